// The window-procedure hook that reports the target's keyboard layout to the runtime
// and switches it on request. It runs in the threads of the processes it is loaded
// into: it only posts, never sends, and waits for the record with a short bound.
#pragma once
#include <windows.h>

LRESULT CALLBACK WndMsgProc(int code, WPARAM wParam, LPARAM lParam);
