#include "relabel_timing.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "bench_layout.h"
#include "clock.h"
#include "statistics.h"
#include "support/win32/message_loop.h"

namespace {
void ToggleShift(uint8_t* state) {
    state[VK_SHIFT] ^= 0x80;
    state[VK_LSHIFT] ^= 0x80;
}
}  // namespace

double MedianRelabelMs(TBenchLayout& layout, int runs) {
    const std::vector<OSKCustomKey*> keys = layout.Keys();
    uint8_t state[256];
    GetKeyboardState(state);
    HKL keyboardLayout = GetKeyboardLayout(0);
    std::vector<double> times;
    times.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        ToggleShift(state);
        const double start = NowMs();
        for (OSKCustomKey* key : keys) key->UpdateFromKeyboard(state, keyboardLayout);
        times.push_back(NowMs() - start);
        // The repaints the relabel asked for happen here, outside the measured time.
        ProcessMessages();
    }
    return Median(times);
}
