// System controls tell their parent window what happened to them (WM_NOTIFY, WM_DRAWITEM);
// a hook on the parent hands those messages back to the peer of the control they are about.
#pragma once
#include <functional>

#include "support/win32/window_message_hook.h"
#include "support/win32/window_peer.h"

class TParentNotifyHook : public TWindowMessageHook {
public:
    // True when the handler answered the message; result is then the parent's answer.
    using THandler = std::function<bool(UINT message, LPARAM lParam, LRESULT& result)>;

    // Hooks the parent the peer's control has now; a control with another parent gets a new peer.
    TParentNotifyHook(const TWin32WindowPeer& peer, THandler handler);
    ~TParentNotifyHook() override;
    TParentNotifyHook(const TParentNotifyHook&) = delete;
    TParentNotifyHook& operator=(const TParentNotifyHook&) = delete;

    bool HandleMessage(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    const TWin32WindowPeer& peer_;
    THandler handler_;
    TWinControl* parent_;
};
