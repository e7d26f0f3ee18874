// A component that runs OnTimer every Interval milliseconds while Enabled, on the thread
// that made it, through that thread's message loop.
#pragma once
#include <cstdint>

#include "support/framework/component.h"
#include "support/framework/event.h"

class TTimer : public TComponent {
    PENDREL_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    uint32_t GetInterval() const { return interval_; }
    // A new interval restarts a running timer; 0 stops it until the interval is set again.
    void SetInterval(uint32_t value);
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);

    TEvent<TObject*> OnTimer;

private:
    void Restart();
    void Stop();

    uint32_t interval_ = 1000;
    bool enabled_ = true;
    uintptr_t id_ = 0;
};
