#include "process_usage.h"

#include <psapi.h>

#include <algorithm>
#include <stdexcept>

namespace {
double FileTimeMs(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 10000.0;  // 100 ns units
}
}  // namespace

double ProcessCpuMs(HANDLE process) {
    FILETIME creation, exit, kernel, user;
    if (!GetProcessTimes(process, &creation, &exit, &kernel, &user))
        throw std::runtime_error("GetProcessTimes failed");
    return FileTimeMs(kernel) + FileTimeMs(user);
}

TMemoryPeak PeakMemory(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters))
        throw std::runtime_error("GetProcessMemoryInfo failed");
    return {counters.PeakWorkingSetSize, counters.PeakPagefileUsage};
}

TMemoryPeak Larger(const TMemoryPeak& a, const TMemoryPeak& b) {
    return {std::max(a.workingSetBytes, b.workingSetBytes), std::max(a.pagefileBytes, b.pagefileBytes)};
}
