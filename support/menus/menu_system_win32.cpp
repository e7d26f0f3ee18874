#include "support/menus/menu_system_win32.h"

#include "support/menus/main_menu_peer_win32.h"
#include "support/menus/popup_menu_peer_win32.h"
#include "support/win32/message_loop.h"
#include "support/win32/window_peer.h"

namespace {
std::unique_ptr<TMenuPeer> MakeMenuPeer(TMenu& menu) {
    if (auto* main = dynamic_cast<TMainMenu*>(&menu)) return std::make_unique<TWin32MainMenuPeer>(*main);
    if (auto* popup = dynamic_cast<TPopupMenu*>(&menu)) return std::make_unique<TWin32PopupMenuPeer>(*popup);
    return std::make_unique<TWin32MenuPeer>(menu);
}

TShiftState SystemModifierKeys() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    return shift;
}

// The control of the top-level window a message is for.
TWinControl* FormOf(HWND wnd) {
    TWin32WindowPeer* peer = wnd ? TWin32WindowPeer::FromHandle(GetAncestor(wnd, GA_ROOT)) : nullptr;
    return peer ? &peer->Control() : nullptr;
}
}  // namespace

void InstallWin32MenuSystem() {
    static bool installed = false;
    if (installed) return;
    SetMenuPeerFactory(&MakeMenuPeer);
    SetModifierKeyReader(&SystemModifierKeys);
    AddMessageFilter([](const MSG& message) { return DispatchMenuShortCut(message); });
    installed = true;
}

bool DispatchMenuShortCut(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    TMainMenu* menu = MainMenuOf(FormOf(message.hwnd));
    if (!menu) return false;
    const TKeyMessage key{static_cast<uint16_t>(message.wParam), static_cast<int32_t>(message.lParam)};
    return menu->IsShortCut(key);
}
