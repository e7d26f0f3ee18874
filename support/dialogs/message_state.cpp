#include "support/dialogs/message_state.h"

#include <cerrno>

namespace {
BOOL CALLBACK CollectTaskWindow(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}
}  // namespace

TSavedMsgState::TSavedMsgState()
    : focus_(GetFocus()), foreground_(GetForegroundWindow()), lastError_(GetLastError()), errnoValue_(errno) {
    EnumThreadWindows(GetCurrentThreadId(), CollectTaskWindow, reinterpret_cast<LPARAM>(&disabled_));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

TSavedMsgState::~TSavedMsgState() {
    for (HWND window : disabled_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    if (foreground_ && IsWindow(foreground_)) SetForegroundWindow(foreground_);
    if (focus_ && IsWindow(focus_)) SetFocus(focus_);
    errno = errnoValue_;
    SetLastError(lastError_);
}
