// Processor time of a process left alone, while this thread keeps answering its messages.
#pragma once
#include <windows.h>

struct TIdleFigures {
    double seconds = 0;      // wall time measured
    double cpuMs = 0;        // kernel + user time used in it
    double msPerMinute = 0;  // scaled to one minute
    double percentOfCore = 0;
};

TIdleFigures MeasureIdleCpu(HANDLE process, double seconds);
