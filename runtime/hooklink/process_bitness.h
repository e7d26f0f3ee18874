// Whether a window's process can load our hook library: a DLL goes only into processes of
// its own bitness, so the hook never runs in the others.
#pragma once
#include <windows.h>

// True when the window's process runs with as many bits as this one; a process that cannot
// be asked counts as another bitness.
bool SameBitnessAsThisProcess(HWND window);
