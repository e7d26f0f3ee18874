// The keyboard layouts installed on the system, and the switch of a window to the next.
// The hook library carries this code into other processes; it keeps no C++ runtime
// there, so the list lives in a fixed table instead of on the heap.
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>

// More layouts than any system installs; a longer list is cut to this many.
inline constexpr size_t kMaxLayouts = 256;

// Fetches the installed layouts in the platform's order and loads each by name.
bool InitLayoutList();
std::span<const HKL> LayoutList();

// Switches the calling thread, and tells `window`, to the layout after `layout`.
// window 0: the foreground window; layout 0: the layout of the window's thread.
// A layout missing from the list gives a warning beep instead.
void NextLayout(HWND window, HKL layout);

// The entry after `layout`, the first after the last; nothing when it is not listed.
std::optional<HKL> LayoutAfter(std::span<const HKL> list, HKL layout);
