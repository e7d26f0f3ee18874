#include "report.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {
struct TRow {
    std::string measure;
    std::string value;
    std::string target;
    bool met;
};

std::string Format(const char* format, double value) {
    char text[64];
    snprintf(text, sizeof text, format, value);
    return text;
}

double Megabytes(size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

// Start-up within 1.5 times the bare window's and 30 ms of the floor's; memory within 3 MB of the floor's.
double StartupLimitMs(const TBenchFigures& f) {
    return std::min(1.5 * f.bareStartup.medianMs, f.floorStartup.medianMs + 30);
}
double PeakLimitMb(const TBenchFigures& f) { return Megabytes(f.floorStartup.peak.workingSetBytes) + 3; }

TRow StartupRow(const std::string& what, const TStartupFigures& startup) {
    return {what + " (median of " + std::to_string(startup.runsMs.size()) + ")", Format("%.1f ms", startup.medianMs),
            "for comparison", true};
}

std::vector<TRow> ComparedRows(const TBenchFigures& f) {
    if (f.comparedStartup.runsMs.empty()) return {};
    return {StartupRow("Start-up of the compared build's keyboard", f.comparedStartup),
            {"Peak working set of the compared build's keyboard",
             Format("%.1f MB", Megabytes(f.comparedStartup.peak.workingSetBytes)), "for comparison", true}};
}

std::vector<TRow> Rows(const TBenchFigures& f) {
    const double peakMb = Megabytes(f.pendrelPeak.workingSetBytes);
    std::vector<TRow> rows{
        {"Start-up to painted keyboard (median of " + std::to_string(f.pendrelStartup.runsMs.size()) + ")",
         Format("%.1f ms", f.pendrelStartup.medianMs), Format("< %.0f ms", StartupLimitMs(f)),
         f.pendrelStartup.medianMs < StartupLimitMs(f)},
        StartupRow("Start-up of a bare Win32 window", f.bareStartup),
        StartupRow("Start-up of the floor window", f.floorStartup),
        StartupRow("Start-up of the floor window with the keyboard's DLLs", f.floorLibrariesStartup),
        {"Relabel of all " + std::to_string(f.relabelKeys) + " keys (median of " + std::to_string(f.relabelRuns) + ")",
         Format("%.3f ms", f.relabelMs), "< 2 ms", f.relabelMs < 2},
        {"Relabel of all keys in a state not seen before (the slower of the first two)",
         Format("%.3f ms", f.firstRelabelMs), "for comparison", true},
        {"Click to keystroke (median of " + std::to_string(f.clicks.runsMs.size()) + ")",
         Format("%.2f ms", f.clicks.medianMs), "< 5 ms", f.clicks.medianMs < 5},
        {"Idle CPU over " + Format("%.0f s", f.idle.seconds),
         Format("%.0f ms CPU", f.idle.cpuMs) + Format(" = %.1f ms/min", f.idle.msPerMinute) +
             Format(" = %.3f %% of a core", f.idle.percentOfCore),
         "< 0.2 % of a core", f.idle.percentOfCore < 0.2},
        {"Click to keystroke, character window off (median of " +
             std::to_string(f.clicksWithoutCharWindow.runsMs.size()) + ")",
         Format("%.2f ms", f.clicksWithoutCharWindow.medianMs), "for comparison", true},
        {"WM_OSK_SENDKEY to keystroke (median of " + std::to_string(f.sendKeys.runsMs.size()) + ")",
         Format("%.2f ms", f.sendKeys.medianMs), "for comparison", true},
        {"Mouse-up to WM_LBUTTONUP of a bare window (median of " + std::to_string(f.ownClicks.runsMs.size()) + ")",
         Format("%.2f ms", f.ownClicks.medianMs), "for comparison", true},
        {"Peak working set", Format("%.1f MB", peakMb), Format("< %.1f MB", PeakLimitMb(f)), peakMb < PeakLimitMb(f)},
        {"Peak working set of the bare window", Format("%.1f MB", Megabytes(f.bareStartup.peak.workingSetBytes)),
         "for comparison", true},
        {"Peak working set of the floor window", Format("%.1f MB", Megabytes(f.floorStartup.peak.workingSetBytes)),
         "for comparison", true},
        {"Peak working set of the floor window with the DLLs",
         Format("%.1f MB", Megabytes(f.floorLibrariesStartup.peak.workingSetBytes)), "for comparison", true},
        {"Peak pagefile usage", Format("%.1f MB", Megabytes(f.pendrelPeak.pagefileBytes)), "< 30 MB",
         Megabytes(f.pendrelPeak.pagefileBytes) < 30},
    };
    for (TRow& row : ComparedRows(f)) rows.push_back(std::move(row));
    return rows;
}

void PrintRuns(FILE* out, const char* name, const std::vector<double>& runs) {
    fprintf(out, "%s:", name);
    for (double ms : runs) fprintf(out, " %.1f", ms);
    fprintf(out, " ms\n");
}

void PrintPhases(FILE* out, const char* name, const TStartupFigures& startup) {
    fprintf(out, "%s start-up, medians: window exists %.1f ms, visible %.1f ms, painted %.1f ms\n", name,
            startup.medianFoundMs, startup.medianVisibleMs, startup.medianMs);
}

const char* Verdict(const TRow& row) { return row.target == "for comparison" ? "" : row.met ? "met" : "missed"; }
}  // namespace

void PrintDetails(const TBenchFigures& figures, FILE* out) {
    PrintPhases(out, "Pendrel", figures.pendrelStartup);
    PrintPhases(out, "Bare window", figures.bareStartup);
    PrintPhases(out, "Floor window", figures.floorStartup);
    PrintPhases(out, "Floor window with DLLs", figures.floorLibrariesStartup);
    if (!figures.comparedStartup.runsMs.empty()) PrintPhases(out, "Compared build", figures.comparedStartup);
    PrintRuns(out, "Pendrel start-ups", figures.pendrelStartup.runsMs);
    PrintRuns(out, "Bare window start-ups", figures.bareStartup.runsMs);
    PrintRuns(out, "Clicks", figures.clicks.runsMs);
    PrintRuns(out, "Clicks, character window off", figures.clicksWithoutCharWindow.runsMs);
    PrintRuns(out, "WM_OSK_SENDKEY", figures.sendKeys.runsMs);
    PrintRuns(out, "Clicks on a bare window", figures.ownClicks.runsMs);
}

void PrintTable(const TBenchFigures& figures, FILE* out) {
    fprintf(out, "%-62s %-44s %-20s %s\n", "Measure", "Value", "Target", "");
    for (const TRow& row : Rows(figures))
        fprintf(out, "%-62s %-44s %-20s %s\n", row.measure.c_str(), row.value.c_str(), row.target.c_str(),
                Verdict(row));
    if (figures.clicks.missed) fprintf(out, "(%d clicks gave no keystroke)\n", figures.clicks.missed);
    if (figures.clicksWithoutCharWindow.missed)
        fprintf(out, "(%d clicks with the character window off gave no keystroke)\n",
                figures.clicksWithoutCharWindow.missed);
    if (figures.ownClicks.missed) fprintf(out, "(%d clicks on the bare window did not arrive)\n", figures.ownClicks.missed);
    if (figures.sendKeys.missed) fprintf(out, "(%d WM_OSK_SENDKEY gave no keystroke)\n", figures.sendKeys.missed);
}

void PrintMarkdown(const TBenchFigures& figures, FILE* out) {
    fprintf(out, "| Measure | Value | Target | |\n|---|---|---|---|\n");
    for (const TRow& row : Rows(figures))
        fprintf(out, "| %s | %s | %s | %s |\n", row.measure.c_str(), row.value.c_str(), row.target.c_str(),
                Verdict(row));
}
