#include "support/win32/timer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "support/win32/message_loop.h"

namespace {
// Pumps messages until done() or the time is up; true when done() came true.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 3000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        ProcessMessages();
        Sleep(5);
    }
    return true;
}
}  // namespace

TEST(Timer, RunsOnTimerRepeatedlyWhileEnabled) {
    TTimer timer(nullptr);
    timer.SetInterval(20);
    int ticks = 0;
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    };
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
}

TEST(Timer, StaysQuietWhenDisabledAndStartsWhenEnabled) {
    TTimer timer(nullptr);
    timer.SetEnabled(false);
    timer.SetInterval(10);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    EXPECT_FALSE(PumpUntil([&] { return ticks > 0; }, 150));
    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }));
}

TEST(Timer, AHandlerMayFreeItsTimer) {
    auto* timer = new TTimer(nullptr);
    timer->SetInterval(10);
    bool freed = false;
    timer->OnTimer = [&](TObject*) {
        delete timer;
        freed = true;
    };
    EXPECT_TRUE(PumpUntil([&] { return freed; }));
    // No tick of a freed timer may arrive afterwards.
    PumpUntil([] { return false; }, 100);
}

TEST(Timer, AnIntervalOfZeroStopsIt) {
    TTimer timer(nullptr);
    timer.SetInterval(10);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetInterval(0);
    EXPECT_FALSE(PumpUntil([&] { return ticks > 0; }, 150));
}

TEST(Timer, PublishesItsStoredProperties) {
    TTimer timer(nullptr);
    EXPECT_TRUE(timer.GetEnabled());
    EXPECT_EQ(timer.GetInterval(), 1000u);
}
