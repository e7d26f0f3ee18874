// Bounded waiting for another process to do something, with this thread's messages pumped.
#pragma once
#include <functional>

// Polls condition every few milliseconds until it holds or timeoutMs pass; true when it held.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs);
// Lets timeMs pass while pumping messages.
void Pause(int timeMs);
