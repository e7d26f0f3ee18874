#include "waiting.h"

#include <windows.h>

namespace {
constexpr int kPollMs = 20;

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(kPollMs);
    }
}

void Pause(int timeMs) {
    WaitUntil([] { return false; }, timeMs);
}
