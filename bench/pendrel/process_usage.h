// What a process has cost so far: processor time and peak memory.
#pragma once
#include <windows.h>

#include <cstddef>

// Kernel and user time the process has used, in milliseconds.
double ProcessCpuMs(HANDLE process);

struct TMemoryPeak {
    size_t workingSetBytes = 0;
    size_t pagefileBytes = 0;
};
TMemoryPeak PeakMemory(HANDLE process);
TMemoryPeak Larger(const TMemoryPeak& a, const TMemoryPeak& b);
