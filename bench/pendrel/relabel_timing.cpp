#include "relabel_timing.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "bench_layout.h"
#include "keys/key_relabel.h"
#include "clock.h"
#include "statistics.h"
#include "support/win32/message_loop.h"

namespace {
void ToggleShift(uint8_t* state) {
    state[VK_SHIFT] ^= 0x80;
    state[VK_LSHIFT] ^= 0x80;
}
}  // namespace

TRelabelFigures MeasureRelabels(TBenchLayout& layout, int runs) {
    runs = runs < 2 ? 2 : runs;
    uint8_t state[256];
    GetKeyboardState(state);
    HKL keyboardLayout = GetKeyboardLayout(0);
    std::vector<double> times;
    times.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        ToggleShift(state);
        const double start = NowMs();
        RelabelKeys(layout.Panel(), state, keyboardLayout);
        times.push_back(NowMs() - start);
        // The repaints the relabel asked for happen here, outside the measured time.
        ProcessMessages();
    }
    const double first = times[0] > times[1] ? times[0] : times[1];
    return {Median(times), first};
}
