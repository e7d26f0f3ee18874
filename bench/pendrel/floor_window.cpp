// The windows Pendrel's start-up is measured against, one program each:
// - PENDREL_BARE_WINDOW: the smallest program that shows a painted window;
// - the floor: the bare window plus what any program of ours takes from the system before its
//   window stands painted (the manifest's common controls 6, the shell for the tray icon, which
//   is added once the window has painted, as the keyboard does);
// - PENDREL_FLOOR_WITH_LIBRARIES: the floor that also loads the keyboard's DLLs and the C++
//   runtime without using them, so that the difference is the share of loading them.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#ifdef PENDREL_FLOOR_WITH_LIBRARIES
#include "components/config/cfg_storage.h"
#include "support/win32/wide_text.h"

// Referenced, never called: the references make the loader bring in both DLLs.
std::wstring (*volatile keepTarnwick)(std::string_view) = &Utf8ToWide;
std::string (*volatile keepQuillon)(const std::string&) = &HConfigFullPath;
#endif

namespace {
#ifdef PENDREL_BARE_WINDOW
constexpr wchar_t kClassName[] = L"PendrelBareWindow";
constexpr bool kAddsTrayIcon = false;
#else
constexpr wchar_t kClassName[] = L"PendrelFloorWindow";
constexpr bool kAddsTrayIcon = true;
#endif
constexpr UINT_PTR kTrayTimer = 1;
NOTIFYICONDATAW trayIcon{};

// The floor's own system calls; the bare window must not even import their libraries.
void InitControlsLibrary() {
#ifndef PENDREL_BARE_WINDOW
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
#endif
}

void AddTrayIcon(HWND window) {
#ifndef PENDREL_BARE_WINDOW
    trayIcon.cbSize = sizeof trayIcon;
    trayIcon.hWnd = window;
    trayIcon.uID = 1;
    trayIcon.uFlags = NIF_ICON | NIF_TIP;
    trayIcon.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    lstrcpynW(trayIcon.szTip, L"Floor", ARRAYSIZE(trayIcon.szTip));
    Shell_NotifyIconW(NIM_ADD, &trayIcon);
#else
    (void)window;
#endif
}

void RemoveTrayIcon() {
#ifndef PENDREL_BARE_WINDOW
    if (trayIcon.hWnd) Shell_NotifyIconW(NIM_DELETE, &trayIcon);
#endif
}

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT client;
            GetClientRect(window, &client);
            DrawTextW(dc, kClassName, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            EndPaint(window, &paint);
            if (kAddsTrayIcon && !trayIcon.hWnd) SetTimer(window, kTrayTimer, 1, nullptr);
            return 0;
        }
        case WM_TIMER:
            KillTimer(window, kTrayTimer);
            if (!trayIcon.hWnd) AddTrayIcon(window);
            return 0;
        case WM_DESTROY:
            RemoveTrayIcon();
            PostQuitMessage(0);
            return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitControlsLibrary();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = FloorWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassW(&windowClass)) return 1;
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, L"Floor",
                                  WS_POPUP | WS_BORDER | WS_SYSMENU, 100, 100, 772, 204, nullptr, nullptr, instance,
                                  nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
