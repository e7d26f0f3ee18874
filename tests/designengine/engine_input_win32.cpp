// Under Windows the engine hears real window messages: mouse messages at the surface's
// window, key messages at the design panel's, with the modifier keys in the keyboard state.
#include "engine_fixture.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"
#include "support/win32/window_system.h"

#include <windows.h>

namespace {
// Holds the modifier keys down in the thread's keyboard state while a message is handled.
class THeldModifiers {
public:
    explicit THeldModifiers(TShiftState shift) {
        GetKeyboardState(saved_);
        BYTE state[256];
        memcpy(state, saved_, sizeof state);
        auto hold = [&](int vk, bool down) { state[vk] = down ? 0x80 : 0; };
        hold(VK_SHIFT, shift & ssShift);
        hold(VK_CONTROL, shift & ssCtrl);
        hold(VK_MENU, shift & ssAlt);
        SetKeyboardState(state);
    }
    ~THeldModifiers() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

UINT MouseMessage(TInputKind kind, TMouseButton button) {
    const bool right = button == mbRight;
    switch (kind) {
        case TInputKind::MouseDown: return right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
        case TInputKind::MouseUp: return right ? WM_RBUTTONUP : WM_LBUTTONUP;
        case TInputKind::DoubleClick: return right ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK;
        default: return WM_MOUSEMOVE;
    }
}
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}
}  // namespace

void CloseMenuWhenShown() { SetTimer(nullptr, 0, 50, &CloseMenu); }

TWinControl* MakeRootForm() {
    InstallWin32WindowSystem();
    return new TForm(nullptr);
}

void ShowRootForm(TWinControl& root) {
    root.Show();
    ProcessMessages();
}

void SendMouse(EngineTest&, TInputKind kind, TMouseButton button, TPoint point, TShiftState shift, TWinControl& surface,
               TELDesigner&) {
    const THeldModifiers held(shift);
    WPARAM keys = 0;
    if (shift & ssShift) keys |= MK_SHIFT;
    if (shift & ssCtrl) keys |= MK_CONTROL;
    if (kind == TInputKind::MouseDown || kind == TInputKind::MouseMove) keys |= button == mbRight ? MK_RBUTTON : MK_LBUTTON;
    SendMessageW(static_cast<HWND>(surface.Handle()), MouseMessage(kind, button), keys, MAKELPARAM(point.X, point.Y));
}

void SendKey(uint32_t key, TShiftState shift, TELDesignPanel& panel, TELDesigner&) {
    const THeldModifiers held(shift);
    SendMessageW(static_cast<HWND>(panel.Handle()), WM_KEYDOWN, key, 1);
    SendMessageW(static_cast<HWND>(panel.Handle()), WM_KEYUP, key, 0xC0000001);
}
