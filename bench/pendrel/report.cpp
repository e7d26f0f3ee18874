#include "report.h"

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

std::vector<TRow> Rows(const TBenchFigures& f) {
    const double peakMb = Megabytes(f.pendrelPeak.workingSetBytes);
    return {
        {"Start-up to painted keyboard (median of " + std::to_string(f.pendrelStartup.runsMs.size()) + ")",
         Format("%.1f ms", f.pendrelStartup.medianMs), "< 150 ms", f.pendrelStartup.medianMs < 150},
        {"Start-up of a bare Win32 window (median of " + std::to_string(f.bareStartup.runsMs.size()) + ")",
         Format("%.1f ms", f.bareStartup.medianMs), "for comparison", true},
        {"Relabel of all " + std::to_string(f.relabelKeys) + " keys (median of " + std::to_string(f.relabelRuns) + ")",
         Format("%.3f ms", f.relabelMs), "< 2 ms", f.relabelMs < 2},
        {"Click to keystroke (median of " + std::to_string(f.clicks.runsMs.size()) + ")",
         Format("%.2f ms", f.clicks.medianMs), "< 5 ms", f.clicks.medianMs < 5},
        {"Idle CPU over " + Format("%.0f s", f.idle.seconds),
         Format("%.1f ms/min", f.idle.msPerMinute) + Format(" (%.3f %% of a core)", f.idle.percentOfCore),
         "< 0.2 % of a core", f.idle.percentOfCore < 0.2},
        {"Peak working set", Format("%.1f MB", peakMb), "< 30 MB", peakMb < 30},
        {"Peak pagefile usage", Format("%.1f MB", Megabytes(f.pendrelPeak.pagefileBytes)), "< 30 MB",
         Megabytes(f.pendrelPeak.pagefileBytes) < 30},
    };
}

const char* Verdict(const TRow& row) { return row.target == "for comparison" ? "" : row.met ? "met" : "missed"; }
}  // namespace

void PrintTable(const TBenchFigures& figures, FILE* out) {
    fprintf(out, "%-52s %-34s %-20s %s\n", "Measure", "Value", "Target", "");
    for (const TRow& row : Rows(figures))
        fprintf(out, "%-52s %-34s %-20s %s\n", row.measure.c_str(), row.value.c_str(), row.target.c_str(),
                Verdict(row));
    if (figures.clicks.missed) fprintf(out, "(%d clicks gave no keystroke)\n", figures.clicks.missed);
}

void PrintMarkdown(const TBenchFigures& figures, FILE* out) {
    fprintf(out, "| Measure | Value | Target | |\n|---|---|---|---|\n");
    for (const TRow& row : Rows(figures))
        fprintf(out, "| %s | %s | %s | %s |\n", row.measure.c_str(), row.value.c_str(), row.target.c_str(),
                Verdict(row));
}
