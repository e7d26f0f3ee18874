// The timer that repeats a held button's click. Buttons get theirs from a process-wide
// factory, so that the Windows layer can give them real timers and tests can drive them.
#pragma once
#include <functional>
#include <memory>

class TRepeatTimer {
public:
    virtual ~TRepeatTimer() = default;
    // Runs tick once after milliseconds, then stops; starting again replaces the previous wait.
    virtual void Start(int milliseconds, std::function<void()> tick) = 0;
    virtual void Stop() = 0;
};

using TRepeatTimerFactory = std::function<std::unique_ptr<TRepeatTimer>()>;
// Without a factory, a held button clicks once and does not repeat.
void SetRepeatTimerFactory(TRepeatTimerFactory factory);
std::unique_ptr<TRepeatTimer> MakeRepeatTimer();
