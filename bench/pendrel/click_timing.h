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
