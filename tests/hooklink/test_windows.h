// Windows and message helpers for the hook link tests.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

// A message-only window of the calling thread that answers every message with 0.
HWND MakeQuietWindow();

// Removes the posted message `message` for `window` from the calling thread's queue,
// waiting up to `milliseconds` for it while pumping sent messages.
std::optional<MSG> TakePosted(HWND window, UINT message, DWORD milliseconds = 0);
void DiscardPosted(HWND window);

// The folder of the running test program, with a trailing backslash.
std::string ProgramFolder();
