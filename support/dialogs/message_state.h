// What a modal question must leave as it found it: the focus, the foreground window, the
// last error numbers, and the enabled state of the program's other windows.
#pragma once
#include <windows.h>

#include <vector>

// Saves the state and disables the thread's enabled, visible top-level windows; the destructor
// enables them again and restores the rest.
class TSavedMsgState {
public:
    TSavedMsgState();
    ~TSavedMsgState();
    TSavedMsgState(const TSavedMsgState&) = delete;
    TSavedMsgState& operator=(const TSavedMsgState&) = delete;

private:
    HWND focus_;
    HWND foreground_;
    DWORD lastError_;
    int errnoValue_;
    std::vector<HWND> disabled_;
};
