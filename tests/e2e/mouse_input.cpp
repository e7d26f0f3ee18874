#include "mouse_input.h"

#include "waiting.h"

namespace {
constexpr int kStepPauseMs = 30;

// Absolute coordinates span the virtual desktop as 0..65535.
INPUT MouseInput(POINT screen, DWORD flags) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x - left, 65535, width - 1);
    input.mi.dy = MulDiv(screen.y - top, 65535, height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | flags;
    return input;
}

void Send(POINT screen, DWORD flags) {
    INPUT input = MouseInput(screen, flags);
    SendInput(1, &input, sizeof input);
    Pause(kStepPauseMs);
}
}  // namespace

void ClickAt(POINT screen) {
    Send(screen, 0);
    Send(screen, MOUSEEVENTF_LEFTDOWN);
    Send(screen, MOUSEEVENTF_LEFTUP);
}

void RightClickAt(POINT screen) {
    Send(screen, 0);
    Send(screen, MOUSEEVENTF_RIGHTDOWN);
    Send(screen, MOUSEEVENTF_RIGHTUP);
}

void DragFromTo(POINT from, POINT to) {
    Send(from, 0);
    Send(from, MOUSEEVENTF_LEFTDOWN);
    Send(POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, 0);
    Send(to, 0);
    Send(to, MOUSEEVENTF_LEFTUP);
}
