// The window of a TPageControl: the system tab control, with the sheets' windows as its
// children. The tab control tells its parent window of a new selection; a hook on the parent
// hands that back to the page control.
#pragma once
#include "page_control.h"
#include "support/win32/window_message_hook.h"
#include "support/win32/window_peer.h"

class TPageControlPeer : public TWin32WindowPeer {
public:
    explicit TPageControlPeer(TWinControl& control);
    ~TPageControlPeer() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Refresh() override;

private:
    class TSelectionHook : public TWindowMessageHook {
    public:
        explicit TSelectionHook(TPageControlPeer& peer) : peer_(peer) {}
        bool HandleMessage(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    private:
        TPageControlPeer& peer_;
    };

    TPageControl& PageControl() const { return static_cast<TPageControl&>(Control()); }
    void ShowTabs();
    void PlacePages();

    TSelectionHook hook_{*this};
    TWinControl* hookedParent_ = nullptr;
};

