// A program with one window that pumps messages until it is closed, or for half a
// minute at most, so that a failed test leaves nothing running.
#include <windows.h>

#include "tests/hooklink/hook_target.h"

namespace {

constexpr UINT kLifetimeMs = 30000;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY || message == WM_TIMER) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TargetProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kHookTargetClass;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA(kHookTargetClass, "target", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                instance, nullptr);
    if (window == nullptr) return 1;
    SetTimer(window, 1, kLifetimeMs, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
