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
    // A spot of the frame's own client area, below the edit, in screen coordinates.
    POINT FreeSpot() const;
    // When the frame last received WM_LBUTTONUP (NowMs), -1 before the first.
    static double LastButtonUpMs();
    HWND Frame() const { return frame_; }

private:
    HWND frame_;
    HWND edit_;
};
