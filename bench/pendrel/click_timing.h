// Click to keystroke: from the injected mouse-up on a key of the running keyboard to the
// key-down it injects, as a low-level keyboard hook of this process sees it.
#pragma once
#include <windows.h>

#include <vector>

#include "bench_layout.h"

struct TClickFigures {
    std::vector<double> runsMs;
    double medianMs = 0;
    int missed = 0;  // clicks whose keystroke never arrived
};

// Clicks the keys in turn, clicks times, while the foreground window is one of ours.
TClickFigures MeasureClicks(HWND keyboard, const std::vector<TCharacterKeySpot>& keys, int clicks);
// The same from a mouse-up on one of our own windows at spot to its WM_LBUTTONUP: what
// the window system alone costs.
TClickFigures MeasureOwnWindowClicks(POINT spot, double (*lastButtonUpMs)(), int clicks);
// The same from a posted WM_OSK_SENDKEY: the keyboard's own share, without the mouse's way.
TClickFigures MeasureSendKeyMessages(HWND keyboard, int keyCode, int messages);
