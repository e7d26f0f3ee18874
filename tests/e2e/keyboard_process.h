// The keyboard program started from a private folder, and its window.
#pragma once
#include <windows.h>

#include <string>

#include "child_process.h"

inline constexpr wchar_t kKeyboardClass[] = L"TMainFormOSK";
inline constexpr wchar_t kKeyboardTitle[] = L"Pendrel";

class TKeyboardProcess {
public:
    // Starts exe with layout as its first argument (none when empty) and waits for its
    // visible window; false when it did not appear.
    bool Start(const std::wstring& exe, const std::wstring& layout);
    // Closes the window and waits for the end; false (after killing it) when it did not end.
    bool Close();
    HWND Window() const { return window_; }
    TChildProcess& Process() { return process_; }
    // The screen point of a point in the design panel's client area.
    POINT ScreenPoint(POINT panelPoint) const;
    RECT WindowRect() const;

private:
    TChildProcess process_;
    HWND window_ = nullptr;
};
