#include "idle_cpu.h"

#include "clock.h"
#include "message_pump.h"
#include "process_usage.h"

TIdleFigures MeasureIdleCpu(HANDLE process, double seconds) {
    const double cpuBefore = ProcessCpuMs(process);
    const double start = NowMs();
    PumpMessagesFor(seconds * 1000);
    TIdleFigures figures;
    figures.seconds = (NowMs() - start) / 1000;
    figures.cpuMs = ProcessCpuMs(process) - cpuBefore;
    figures.msPerMinute = figures.cpuMs * 60 / figures.seconds;
    figures.percentOfCore = figures.cpuMs / (figures.seconds * 1000) * 100;
    return figures;
}
