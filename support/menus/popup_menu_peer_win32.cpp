#include "support/menus/popup_menu_peer_win32.h"

#include "support/win32/module_instance.h"
#include "support/win32/pending_exception.h"
#include "support/win32/win32_error.h"

TWin32PopupMenuPeer::TWin32PopupMenuPeer(TPopupMenu& menu) : TWin32MenuPeer(menu) {}

TWin32PopupMenuPeer::~TWin32PopupMenuPeer() {
    if (owner_) DestroyWindow(owner_);
}

void TWin32PopupMenuPeer::Popup(int x, int y) {
    const HWND owner = OwnerWnd();
    // Without the foreground a menu of a tray icon would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const int command = static_cast<int>(TrackPopupMenu(RootHandle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                        x, y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    RaisePendingWindowException();
    if (command != 0) Menu().DispatchCommand(command);
}

HWND TWin32PopupMenuPeer::OwnerWnd() {
    if (owner_) return owner_;
    owner_ = CreateWindowExW(WS_EX_TOOLWINDOW, OwnerClassName(), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             ModuleInstance(), nullptr);
    if (!owner_) RaiseLastWin32Error("Cannot create the window of a popup menu");
    SetWindowLongPtrW(owner_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return owner_;
}

const wchar_t* TWin32PopupMenuPeer::OwnerClassName() {
    static const wchar_t* const name = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &OwnerWindowProc;
        windowClass.hInstance = ModuleInstance();
        windowClass.lpszClassName = L"PendrelPopupMenuOwner";
        if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            RaiseLastWin32Error("Cannot register the window class of popup menus");
        return windowClass.lpszClassName;
    }();
    return name;
}

LRESULT CALLBACK TWin32PopupMenuPeer::OwnerWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* peer = reinterpret_cast<TWin32PopupMenuPeer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    LRESULT result = 0;
    try {
        if (peer && peer->HandleMenuMessage(wnd, message, wParam, lParam, result)) return result;
    } catch (...) {
        KeepWindowProcException();
        return 0;
    }
    return DefWindowProcW(wnd, message, wParam, lParam);
}
