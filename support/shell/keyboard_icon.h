// A small keyboard drawn in code, so that the programs need no icon files.
#pragma once
#include <windows.h>

// An icon of size x size pixels (8 to 256) showing a keyboard on a transparent background.
// The caller owns it and frees it with DestroyIcon.
HICON MakeKeyboardIcon(int size);
