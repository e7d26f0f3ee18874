// The window the keystrokes are meant for: the foreground window that is none of our own, with
// our thread's input attached to its thread so that focus and keyboard state are the target's.
#pragma once
#include <windows.h>

#include <functional>

class TTargetTracker {
public:
    // Starts with our own window as target and our own thread; adopted runs for every new target.
    TTargetTracker(HWND ownWindow, HWND (*charWindow)(), std::function<void(HWND)> adopted);

    // Adopts the foreground window unless it is ours, the character window or already the target.
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

    HWND TargetWindow;
    HWND TargetFocus;
    DWORD TargetThread;
    DWORD OwnThread;

private:
    bool IsOurs(HWND window) const;
    // Our input is attached to one thread at most, never to our own.
    void AttachTo(DWORD thread);

    HWND ownWindow_;
    HWND (*charWindow_)();
    std::function<void(HWND)> adopted_;
    DWORD attachedThread_ = 0;
};
