// Start-up to the first painted window, over several starts of a program in its private copy.
#pragma once
#include <string>
#include <vector>

#include "process_usage.h"

class TProgramCopy;

struct TStartupFigures {
    std::vector<double> runsMs;
    double medianMs = 0;
    double medianFoundMs = 0;    // until the window existed
    double medianVisibleMs = 0;  // until it was visible
    TMemoryPeak peak;  // the largest over the starts, taken just before each close
};

// Starts program (a file of the copy) with the arguments runs times, each time waiting for
// its painted window of windowClass and closing it with WM_CLOSE.
TStartupFigures MeasureStartup(const TProgramCopy& copy, const std::wstring& program, const std::wstring& arguments,
                               const wchar_t* windowClass, int runs);
