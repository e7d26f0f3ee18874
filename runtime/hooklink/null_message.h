// A synchronous null message that a hung window cannot turn into a hung keyboard.
#pragma once
#include <windows.h>

// True when the window processed it within a short time.
bool SendNullMessage(HWND window);
