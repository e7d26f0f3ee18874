#include "startup_timing.h"

#include <stdexcept>
#include <vector>

#include "program_copy.h"
#include "started_window.h"
#include "statistics.h"

TStartupFigures MeasureStartup(const TProgramCopy& copy, const std::wstring& program, const std::wstring& arguments,
                               const wchar_t* windowClass, int runs) {
    TStartupFigures figures;
    std::vector<double> found, visible;
    for (int run = 0; run < runs; ++run) {
        copy.ForgetSettings();
        TStartedWindow started(copy.Dir() / program, arguments, copy.Dir());
        figures.runsMs.push_back(started.WaitUntilPainted(windowClass));
        found.push_back(started.FoundMs());
        visible.push_back(started.VisibleMs());
        figures.peak = Larger(figures.peak, PeakMemory(started.Process()));
        if (!started.Close()) throw std::runtime_error("the program did not end after WM_CLOSE");
    }
    figures.medianMs = Median(figures.runsMs);
    figures.medianFoundMs = Median(found);
    figures.medianVisibleMs = Median(visible);
    return figures;
}
