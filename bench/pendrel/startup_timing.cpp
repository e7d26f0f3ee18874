#include "startup_timing.h"

#include <stdexcept>
#include <vector>

#include "program_copy.h"
#include "started_window.h"
#include "statistics.h"

namespace {
struct TStartupRuns {
    TStartupFigures figures;
    std::vector<double> found, visible;
};

void StartOnce(const TProgramCopy& sharedCopy, const TStartupSubject& subject, TStartupRuns& runs) {
    const TProgramCopy& copy = subject.ownCopy ? *subject.ownCopy : sharedCopy;
    copy.ForgetSettings();
    TStartedWindow started(copy.Dir() / subject.program, subject.arguments, copy.Dir());
    runs.figures.runsMs.push_back(started.WaitUntilPainted(subject.windowClass));
    runs.found.push_back(started.FoundMs());
    runs.visible.push_back(started.VisibleMs());
    runs.figures.peak = Larger(runs.figures.peak, PeakMemory(started.Process()));
    if (!started.Close()) throw std::runtime_error("the program did not end after WM_CLOSE");
}
}  // namespace

std::vector<TStartupFigures> MeasureStartups(const TProgramCopy& copy, const std::vector<TStartupSubject>& subjects,
                                             int runs) {
    std::vector<TStartupRuns> all(subjects.size());
    for (int run = 0; run < runs; ++run)
        for (size_t i = 0; i < subjects.size(); ++i) StartOnce(copy, subjects[i], all[i]);
    std::vector<TStartupFigures> figures;
    for (TStartupRuns& runsOfOne : all) {
        runsOfOne.figures.medianMs = Median(runsOfOne.figures.runsMs);
        runsOfOne.figures.medianFoundMs = Median(runsOfOne.found);
        runsOfOne.figures.medianVisibleMs = Median(runsOfOne.visible);
        figures.push_back(std::move(runsOfOne.figures));
    }
    return figures;
}

TStartupFigures MeasureStartup(const TProgramCopy& copy, const std::wstring& program, const std::wstring& arguments,
                               const wchar_t* windowClass, int runs) {
    return MeasureStartups(copy, {{program, arguments, windowClass}}, runs).front();
}
