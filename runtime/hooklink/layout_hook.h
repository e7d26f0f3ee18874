// Setting and removing the layout hook: system-wide from the hook library, or the
// runtime's own procedure for the calling thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// libraryName: the hook library, found beside the program or in the system folder,
// never in the current folder; null: the runtime's own WndMsgProc, calling thread only.
bool InstallLayoutHook(const char* libraryName);
// Removes the hook, frees the library and wakes every thread so that it is unloaded.
void RemoveLayoutHook();
bool IsLayoutHookSet();
// The system's text for the last failure of InstallLayoutHook.
std::string LayoutHookError();

// Hands a command to the hook and lets it run at once in the window's thread; nothing
// happens when no hook is set.
void PostHookCommand(HWND window, uint32_t command, uint32_t p1, uint32_t p2);
