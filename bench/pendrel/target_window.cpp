#include "target_window.h"

#include <stdexcept>

#include "clock.h"

namespace {
constexpr wchar_t kTargetClass[] = L"PendrelBenchTarget";
constexpr int kWidth = 400, kHeight = 120, kFreeBand = 40;
double lastButtonUpMs = -1;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONUP) lastButtonUpMs = NowMs();
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterTargetClass() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TargetProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kTargetClass;
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
}

// Below the keyboard when there is room, else above it.
POINT PlaceAwayFrom(HWND keyboard) {
    RECT bounds;
    GetWindowRect(keyboard, &bounds);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (bounds.bottom + 20 + kHeight <= screenHeight) return {bounds.left, bounds.bottom + 20};
    return {bounds.left, bounds.top - 20 - kHeight};
}
}  // namespace

TTargetWindow::TTargetWindow(HWND keyboard) {
    RegisterTargetClass();
    const POINT place = PlaceAwayFrom(keyboard);
    frame_ = CreateWindowExW(0, kTargetClass, L"Pendrel bench target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, place.x,
                             place.y, kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!frame_) throw std::runtime_error("cannot create the target window");
    RECT client;
    GetClientRect(frame_, &client);
    edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, client.right, client.bottom - kFreeBand,
                            frame_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!edit_) throw std::runtime_error("cannot create the target edit");
}

TTargetWindow::~TTargetWindow() { DestroyWindow(frame_); }

void TTargetWindow::Activate() {
    SetForegroundWindow(frame_);
    SetFocus(edit_);
}

void TTargetWindow::ClearText() { SetWindowTextW(edit_, L""); }

POINT TTargetWindow::FreeSpot() const {
    RECT client;
    GetClientRect(frame_, &client);
    POINT spot{client.right / 2, client.bottom - kFreeBand / 2};
    ClientToScreen(frame_, &spot);
    return spot;
}

double TTargetWindow::LastButtonUpMs() { return lastButtonUpMs; }
