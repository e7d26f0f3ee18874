#include "runtime/delivery/target_tracker.h"

#include <utility>

TTargetTracker::TTargetTracker(HWND ownWindow, TOwnWindowTest isOurs, std::function<void(HWND)> adopted)
    : TargetWindow(ownWindow),
      TargetFocus(ownWindow),
      TargetThread(GetCurrentThreadId()),
      OwnThread(GetCurrentThreadId()),
      ownWindow_(ownWindow),
      isOurs_(std::move(isOurs)),
      adopted_(std::move(adopted)) {}

bool TTargetTracker::TrackForeground() {
    HWND foreground = GetForegroundWindow();
    if (!IsWindow(foreground) || (isOurs_ && isOurs_(foreground)) || foreground == TargetWindow) return false;
    TargetThread = GetWindowThreadProcessId(foreground, nullptr);
    // Attached first, so that the focus and the keyboard state we read are the target's.
    AttachTo(TargetThread);
    TargetFocus = GetFocus();
    SetTarget(foreground);
    return true;
}

void TTargetTracker::SetTarget(HWND window) {
    if (window == TargetWindow) return;
    TargetWindow = window;
    if (adopted_) adopted_(window);
}

void TTargetTracker::RestoreTargetFocus() {
    // Our own window is the target only until a first one is adopted; it never takes the activation.
    if (!IsWindow(TargetWindow) || TargetWindow == ownWindow_) return;
    HWND topLevel = GetAncestor(TargetWindow, GA_ROOT);
    if (GetForegroundWindow() == topLevel) return;
    SetForegroundWindow(topLevel);
    SetFocus(TargetFocus ? TargetFocus : TargetWindow);
}

void TTargetTracker::DetachInput() {
    if (attachedThread_ != 0) AttachThreadInput(OwnThread, attachedThread_, FALSE);
    attachedThread_ = 0;
}

bool IsWindowOfThisProcess(HWND window) {
    DWORD process = 0;
    return GetWindowThreadProcessId(window, &process) != 0 && process == GetCurrentProcessId();
}

void TTargetTracker::AttachTo(DWORD thread) {
    if (thread == attachedThread_) return;
    DetachInput();
    if (thread != OwnThread && AttachThreadInput(OwnThread, thread, TRUE)) attachedThread_ = thread;
}
