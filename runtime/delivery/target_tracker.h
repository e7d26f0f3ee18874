// The window the keystrokes are meant for: the foreground window that is none of our own, with
// our thread's input attached to its thread so that focus and keyboard state are the target's.
#pragma once
#include <windows.h>

#include <functional>

class TTargetTracker {
public:
    // Tells the windows that are the keyboard's own: they never become the target.
    using TOwnWindowTest = std::function<bool(HWND)>;

    // Starts with our own window as target and our own thread; adopted runs for every new target.
    TTargetTracker(HWND ownWindow, TOwnWindowTest isOurs, std::function<void(HWND)> adopted);

    // Adopts the foreground window unless it is one of ours or already the target.
    // True when a new target was adopted.
    bool TrackForeground();
    // A new target runs adopted; the same one does nothing.
    void SetTarget(HWND window);
    // Brings the target back to the foreground, with the focus in the window it had.
    void RestoreTargetFocus();
    // Ends the input attachment to the target's thread, whatever TargetThread says by now.
    void DetachInput();
    // The main window's handle after it was created anew.
    void SetOwnWindow(HWND ownWindow) { ownWindow_ = ownWindow; }
    HWND OwnWindow() const { return ownWindow_; }

    HWND TargetWindow;
    HWND TargetFocus;
    DWORD TargetThread;
    DWORD OwnThread;

private:
    // Our input is attached to one thread at most, never to our own.
    void AttachTo(DWORD thread);

    HWND ownWindow_;
    TOwnWindowTest isOurs_;
    std::function<void(HWND)> adopted_;
    DWORD attachedThread_ = 0;
};

// True for every window of this process: besides the keyboard and its character window, the
// hidden windows that own its menus and its tray icon come to the foreground at times.
bool IsWindowOfThisProcess(HWND window);
