// The keyboard layouts installed on the system, and the switch of a window to the next.
#pragma once
#include <windows.h>

#include <optional>
#include <vector>

// Fetches the installed layouts in the platform's order and loads each by name.
bool InitLayoutList();
const std::vector<HKL>& LayoutList();

// Switches the calling thread, and tells `window`, to the layout after `layout`.
// window 0: the foreground window; layout 0: the layout of the window's thread.
// A layout missing from the list gives a warning beep instead.
void NextLayout(HWND window, HKL layout);

// The entry after `layout`, the first after the last; nothing when it is not listed.
std::optional<HKL> LayoutAfter(const std::vector<HKL>& list, HKL layout);
