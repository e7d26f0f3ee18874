// The figures of one benchmark run, as a plain table and as a Markdown table.
#pragma once
#include <cstdio>

#include "click_timing.h"
#include "idle_cpu.h"
#include "process_usage.h"
#include "startup_timing.h"

struct TBenchFigures {
    TStartupFigures pendrelStartup;
    TStartupFigures bareStartup;
    TStartupFigures floorStartup;           // bare, with common controls and a tray icon
    TStartupFigures floorLibrariesStartup;  // the floor with the keyboard's DLLs loaded
    TStartupFigures comparedStartup;        // another build's keyboard (--compare), if any
    double relabelMs = 0;
    double firstRelabelMs = 0;  // in a state not seen before
    int relabelKeys = 0;
    int relabelRuns = 0;
    TClickFigures clicks;
    TClickFigures clicksWithoutCharWindow;
    TClickFigures sendKeys;
    TClickFigures ownClicks;
    TIdleFigures idle;
    TMemoryPeak pendrelPeak;  // the largest of the start-up runs and the long-lived instance
};

// The start-up phases and every single run, which explain the medians.
void PrintDetails(const TBenchFigures& figures, FILE* out);
void PrintTable(const TBenchFigures& figures, FILE* out);
void PrintMarkdown(const TBenchFigures& figures, FILE* out);
