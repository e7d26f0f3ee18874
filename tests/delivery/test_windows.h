// Plain top-level windows for the tracker tests, each destroyed with its holder.
#pragma once
#include <windows.h>

class TTestWindow {
public:
    explicit TTestWindow(const wchar_t* title, int left = 100) {
        window_ = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, left, 100, 200, 150, nullptr,
                                  nullptr, nullptr, nullptr);
    }
    ~TTestWindow() { DestroyWindow(window_); }
    TTestWindow(const TTestWindow&) = delete;
    TTestWindow& operator=(const TTestWindow&) = delete;

    HWND Handle() const { return window_; }
    HWND AddEdit() {
        return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, window_, nullptr, nullptr, nullptr);
    }

private:
    HWND window_;
};
