// The application the keyboard types into: one window with one focused edit field. It puts
// itself in the foreground at start, as the window a user works in would be.
#include <windows.h>

#include "target_names.h"

namespace {
HWND editField = nullptr;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            editField = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10,
                                        300, 24, window, nullptr, GetModuleHandleW(nullptr), nullptr);
            return editField ? 0 : -1;
        case WM_SETFOCUS:
            // The focus goes back to the field whenever the window is activated again.
            SetFocus(editField);
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND CreateTargetWindow(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TargetProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kTargetClass;
    if (!RegisterClassW(&windowClass)) return nullptr;
    return CreateWindowExW(0, kTargetClass, kTargetTitle, WS_OVERLAPPEDWINDOW, 500, 500, 340, 90, nullptr, nullptr,
                           instance, nullptr);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HWND window = CreateTargetWindow(instance);
    if (!window) return 1;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(editField);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
