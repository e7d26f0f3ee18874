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

// A program of the copy, started with the arguments until its window of windowClass is painted.
struct TStartupSubject {
    std::wstring program;
    std::wstring arguments;
    const wchar_t* windowClass;
    const TProgramCopy* ownCopy = nullptr;  // another build's copy, instead of the shared one
};

// Starts each subject runs times, each time waiting for its painted window and closing it with
// WM_CLOSE. The subjects take turns, one start each per round, so that every figure meets the
// same moods of the machine and the differences between them hold.
std::vector<TStartupFigures> MeasureStartups(const TProgramCopy& copy, const std::vector<TStartupSubject>& subjects,
                                             int runs);
// The same for one program.
TStartupFigures MeasureStartup(const TProgramCopy& copy, const std::wstring& program, const std::wstring& arguments,
                               const wchar_t* windowClass, int runs);
