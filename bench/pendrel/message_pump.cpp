#include "message_pump.h"

#include <windows.h>

#include "clock.h"

namespace {
void DispatchPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
}  // namespace

bool PumpMessagesUntil(const std::function<bool()>& done, double timeoutMs) {
    const double end = NowMs() + timeoutMs;
    for (;;) {
        DispatchPending();
        if (done()) return true;
        const double left = end - NowMs();
        if (left <= 0) return false;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left < 1 ? 1 : left), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}
