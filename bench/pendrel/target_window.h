// The window the keyboard types into during the click measurements: a frame with an edit,
// placed where it does not cover the keyboard, and brought to the foreground.
#pragma once
#include <windows.h>

class TTargetWindow {
public:
    explicit TTargetWindow(HWND keyboard);
    ~TTargetWindow();
    TTargetWindow(const TTargetWindow&) = delete;
    TTargetWindow& operator=(const TTargetWindow&) = delete;

    // Brings the frame to the foreground with the focus in the edit.
    void Activate();
    void ClearText();
    HWND Frame() const { return frame_; }

private:
    HWND frame_;
    HWND edit_;
};
