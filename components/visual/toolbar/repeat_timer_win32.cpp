#include <map>

#include "toolbar_button_win32.h"

namespace {
class TWin32RepeatTimer;

// Thread timers by id; a timer's procedure finds its owner here.
std::map<UINT_PTR, TWin32RepeatTimer*>& Timers() {
    static std::map<UINT_PTR, TWin32RepeatTimer*> timers;
    return timers;
}

class TWin32RepeatTimer : public TRepeatTimer {
public:
    ~TWin32RepeatTimer() override { Stop(); }

    void Start(int milliseconds, std::function<void()> tick) override {
        Stop();
        tick_ = std::move(tick);
        id_ = SetTimer(nullptr, 0, static_cast<UINT>(milliseconds < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : milliseconds),
                       &TWin32RepeatTimer::Elapsed);
        if (id_) Timers()[id_] = this;
    }

    void Stop() override {
        if (!id_) return;
        KillTimer(nullptr, id_);
        Timers().erase(id_);
        id_ = 0;
    }

private:
    static void CALLBACK Elapsed(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        const auto found = Timers().find(id);
        if (found == Timers().end()) return;
        TWin32RepeatTimer* timer = found->second;
        Timers().erase(found);
        timer->id_ = 0;
        // The tick may start the timer again or free it: it runs from a copy.
        const std::function<void()> tick = timer->tick_;
        tick();
    }

    UINT_PTR id_ = 0;
    std::function<void()> tick_;
};
}  // namespace

std::unique_ptr<TRepeatTimer> MakeWin32RepeatTimer() { return std::make_unique<TWin32RepeatTimer>(); }
