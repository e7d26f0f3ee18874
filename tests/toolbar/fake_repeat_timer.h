// Repeat timers that the tests fire by hand.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "components/visual/toolbar/repeat_timer.h"

class TFakeRepeatTimers {
public:
    struct TState {
        bool Running = false;
        int Milliseconds = 0;
        std::function<void()> Tick;
    };

    TFakeRepeatTimers() {
        SetRepeatTimerFactory([this] { return std::make_unique<TTimer>(*this); });
    }
    ~TFakeRepeatTimers() { SetRepeatTimerFactory(nullptr); }

    // The latest timer's wait, or 0 when none is running.
    int Waiting() const { return current_ && current_->Running ? current_->Milliseconds : 0; }
    // Lets the running timer's wait run out.
    void Elapse() {
        if (!current_ || !current_->Running) return;
        current_->Running = false;
        auto tick = current_->Tick;
        tick();
    }

private:
    class TTimer : public TRepeatTimer {
    public:
        explicit TTimer(TFakeRepeatTimers& owner) : state_(std::make_shared<TState>()) { owner.current_ = state_; }
        ~TTimer() override { state_->Running = false; }
        void Start(int milliseconds, std::function<void()> tick) override {
            state_->Running = true;
            state_->Milliseconds = milliseconds;
            state_->Tick = std::move(tick);
        }
        void Stop() override { state_->Running = false; }

    private:
        std::shared_ptr<TState> state_;
    };

    std::shared_ptr<TState> current_;
};
