// Waiting while this thread's windows and hooks keep being served: the keyboard sends our
// target window messages and waits for the answers, and low-level hooks run in our loop.
#pragma once
#include <functional>

// Dispatches messages until done() is true or timeoutMs passed; whether done() became true.
bool PumpMessagesUntil(const std::function<bool()>& done, double timeoutMs);
inline void PumpMessagesFor(double ms) { PumpMessagesUntil([] { return false; }, ms); }
