// A main menu as the menu bar of its form's window.
#pragma once
#include "support/menus/main_menu.h"
#include "support/menus/menu_peer_win32.h"
#include "support/win32/window_message_hook.h"

class TWin32MainMenuPeer : public TWin32MenuPeer, private TWindowMessageHook {
public:
    explicit TWin32MainMenuPeer(TMainMenu& menu);
    ~TWin32MainMenuPeer() override;

    void WindowChanged() override;

protected:
    bool IsMenuBar() const override { return true; }
    void Redraw() override;

private:
    bool HandleMessage(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void WindowDestroying(HWND wnd) override;
    void ShowIn(HWND wnd);
    void Unhook();
    HWND FormWnd() const;

    TWinControl* hooked_ = nullptr;
};
