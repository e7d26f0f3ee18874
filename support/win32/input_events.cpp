#include "input_events.h"

#include <windowsx.h>

namespace {
TShiftState MouseShift(WPARAM keys) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (keys & MK_MBUTTON) shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

bool Mouse(TInputKind kind, TMouseButton button, WPARAM wParam, LPARAM lParam, TInputEvent& input) {
    input.Kind = kind;
    input.Button = button;
    input.Shift = MouseShift(wParam);
    input.Point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return true;
}

bool Key(TInputKind kind, WPARAM code, TInputEvent& input) {
    input.Kind = kind;
    input.Key = static_cast<uint32_t>(code);
    input.Shift = CurrentShiftState();
    return true;
}
}  // namespace

TShiftState CurrentShiftState() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

bool ToInputEvent(UINT message, WPARAM wParam, LPARAM lParam, TInputEvent& input) {
    switch (message) {
        case WM_MOUSEMOVE: return Mouse(TInputKind::MouseMove, mbLeft, wParam, lParam, input);
        case WM_LBUTTONDOWN: return Mouse(TInputKind::MouseDown, mbLeft, wParam, lParam, input);
        case WM_RBUTTONDOWN: return Mouse(TInputKind::MouseDown, mbRight, wParam, lParam, input);
        case WM_MBUTTONDOWN: return Mouse(TInputKind::MouseDown, mbMiddle, wParam, lParam, input);
        case WM_LBUTTONUP: return Mouse(TInputKind::MouseUp, mbLeft, wParam, lParam, input);
        case WM_RBUTTONUP: return Mouse(TInputKind::MouseUp, mbRight, wParam, lParam, input);
        case WM_MBUTTONUP: return Mouse(TInputKind::MouseUp, mbMiddle, wParam, lParam, input);
        case WM_LBUTTONDBLCLK: return Mouse(TInputKind::DoubleClick, mbLeft, wParam, lParam, input);
        case WM_RBUTTONDBLCLK: return Mouse(TInputKind::DoubleClick, mbRight, wParam, lParam, input);
        case WM_MOUSELEAVE: input.Kind = TInputKind::MouseLeave; return true;
        case WM_MOUSEWHEEL:
            // The point of a wheel message is in screen coordinates; the receiver maps it.
            Mouse(TInputKind::Wheel, mbMiddle, GET_KEYSTATE_WPARAM(wParam), lParam, input);
            input.WheelDelta = GET_WHEEL_DELTA_WPARAM(wParam);
            return true;
        case WM_CAPTURECHANGED: input.Kind = TInputKind::CaptureLost; return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: return Key(TInputKind::KeyDown, wParam, input);
        case WM_KEYUP:
        case WM_SYSKEYUP: return Key(TInputKind::KeyUp, wParam, input);
        case WM_CHAR: return Key(TInputKind::Char, wParam, input);
        default: return false;
    }
}
