#include "keyboard_process.h"

#include "waiting.h"

namespace {
constexpr int kStartTimeoutMs = 15000;
constexpr int kEndTimeoutMs = 10000;

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/") + 1); }
}  // namespace

bool TKeyboardProcess::Start(const std::wstring& exe, const std::wstring& layout) {
    window_ = nullptr;
    std::wstring commandLine = Quoted(exe);
    if (!layout.empty()) commandLine += L" " + Quoted(layout);
    if (!process_.Start(commandLine, FolderOf(exe))) return false;
    WaitUntil(
        [this] {
            window_ = FindProcessWindow(process_.Id(), kKeyboardClass, kKeyboardTitle);
            return window_ != nullptr || !process_.Running();
        },
        kStartTimeoutMs);
    return window_ != nullptr;
}

bool TKeyboardProcess::Close() {
    if (!process_.Running()) return true;
    HWND window = FindWindowExW(nullptr, nullptr, kKeyboardClass, kKeyboardTitle);
    if (window_) window = window_;
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (process_.WaitForEnd(kEndTimeoutMs)) return true;
    process_.Kill();
    return false;
}

POINT TKeyboardProcess::ScreenPoint(POINT panelPoint) const {
    // The design panel is the keyboard's first child window; its client area holds the keys.
    HWND panel = FindWindowExW(window_, nullptr, nullptr, nullptr);
    ClientToScreen(panel ? panel : window_, &panelPoint);
    return panelPoint;
}

RECT TKeyboardProcess::WindowRect() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return rect;
}
