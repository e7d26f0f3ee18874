#include "tests/hooklink/test_windows.h"

namespace {

constexpr char kQuietClass[] = "HookLinkQuietWindow";

LRESULT CALLBACK QuietProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE || message == WM_CREATE)
        return DefWindowProcA(window, message, wParam, lParam);
    return 0;
}

void RegisterQuietClass() {
    static bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = QuietProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kQuietClass;
        return RegisterClassA(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

HWND MakeQuietWindow() {
    RegisterQuietClass();
    return CreateWindowA(kQuietClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                         nullptr);
}

std::optional<MSG> TakePosted(HWND window, UINT message, DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG found;
        if (PeekMessageA(&found, window, message, message, PM_REMOVE)) return found;
        if (GetTickCount() - start >= milliseconds) return std::nullopt;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void DiscardPosted(HWND window) {
    MSG message;
    while (PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
    }
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}
