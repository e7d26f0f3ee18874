// A popup menu shown by TrackPopupMenu; a hidden window of its own receives the menu's messages.
#pragma once
#include "support/menus/menu_peer_win32.h"
#include "support/menus/popup_menu.h"

class TWin32PopupMenuPeer : public TWin32MenuPeer {
public:
    explicit TWin32PopupMenuPeer(TPopupMenu& menu);
    ~TWin32PopupMenuPeer() override;

    // Returns when the menu has closed; the chosen item, if any, is clicked then.
    void Popup(int x, int y) override;
    // The window that owns the menu while it is shown.
    HWND OwnerWnd();

private:
    static LRESULT CALLBACK OwnerWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    static const wchar_t* OwnerClassName();

    HWND owner_ = nullptr;
};
