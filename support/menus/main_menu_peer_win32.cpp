#include "support/menus/main_menu_peer_win32.h"

TWin32MainMenuPeer::TWin32MainMenuPeer(TMainMenu& menu) : TWin32MenuPeer(menu) {}

TWin32MainMenuPeer::~TWin32MainMenuPeer() { Unhook(); }

void TWin32MainMenuPeer::WindowChanged() {
    Unhook();
    hooked_ = static_cast<TMainMenu&>(Menu()).GetWindow();
    if (!hooked_) return;
    AddWindowMessageHook(*hooked_, *this);
    if (HWND wnd = FormWnd()) ShowIn(wnd);
}

void TWin32MainMenuPeer::Redraw() {
    if (HWND wnd = FormWnd(); wnd && GetMenu(wnd) == RootHandle()) DrawMenuBar(wnd);
}

bool TWin32MainMenuPeer::HandleMessage(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_CREATE) ShowIn(wnd);  // a window made again gets its bar again
    return HandleMenuMessage(wnd, message, wParam, lParam, result);
}

void TWin32MainMenuPeer::WindowDestroying(HWND wnd) {
    // A window destroys its menu with it; the bar belongs to the menu component.
    if (GetMenu(wnd) == RootHandle()) SetMenu(wnd, nullptr);
}

void TWin32MainMenuPeer::ShowIn(HWND wnd) {
    if (GetMenu(wnd) == RootHandle()) return;
    SetMenu(wnd, RootHandle());
    DrawMenuBar(wnd);
}

void TWin32MainMenuPeer::Unhook() {
    if (!hooked_) return;
    if (HWND wnd = FormWnd()) WindowDestroying(wnd);
    RemoveWindowMessageHook(*hooked_, *this);
    hooked_ = nullptr;
}

HWND TWin32MainMenuPeer::FormWnd() const {
    if (!hooked_ || !hooked_->HandleAllocated()) return nullptr;
    return static_cast<HWND>(hooked_->Peer()->Handle());
}
