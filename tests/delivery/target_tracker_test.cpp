#include "runtime/delivery/target_tracker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "support/win32/message_loop.h"
#include "test_windows.h"

namespace {

// A window of another thread comes to the front once that thread has seen the request.
void BringToFront(HWND window) {
    SetForegroundWindow(window);
    for (int wait = 0; wait < 100 && GetForegroundWindow() != window; ++wait) {
        ProcessMessages();
        Sleep(10);
    }
    ProcessMessages();
}

class TargetTrackerTest : public ::testing::Test {
protected:
    TTestWindow own{L"Own", 50};
    TTestWindow charWindow{L"Char", 300};
    TTestWindow target{L"Target", 550};
    TTestWindow other{L"Other", 800};
    std::vector<HWND> adopted;
    // The windows of this test stand for other programs' windows, but for these two.
    TTargetTracker tracker{own.Handle(), [this](HWND w) { return w == own.Handle() || w == charWindow.Handle(); },
                           [this](HWND window) { adopted.push_back(window); }};
};

TEST_F(TargetTrackerTest, StartsWithOurOwnWindowAndThread) {
    EXPECT_EQ(tracker.TargetWindow, own.Handle());
    EXPECT_EQ(tracker.TargetFocus, own.Handle());
    EXPECT_EQ(tracker.TargetThread, GetCurrentThreadId());
    EXPECT_EQ(tracker.OwnThread, GetCurrentThreadId());
}

TEST_F(TargetTrackerTest, AdoptsTheForegroundWindowOnce) {
    BringToFront(target.Handle());
    ASSERT_EQ(GetForegroundWindow(), target.Handle());
    EXPECT_TRUE(tracker.TrackForeground());
    EXPECT_EQ(tracker.TargetWindow, target.Handle());
    EXPECT_FALSE(tracker.TrackForeground());
    EXPECT_EQ(adopted, std::vector<HWND>{target.Handle()});
}

TEST_F(TargetTrackerTest, FollowsTheForegroundFromWindowToWindow) {
    BringToFront(target.Handle());
    tracker.TrackForeground();
    BringToFront(other.Handle());
    EXPECT_TRUE(tracker.TrackForeground());
    EXPECT_EQ(adopted, (std::vector<HWND>{target.Handle(), other.Handle()}));
}

TEST_F(TargetTrackerTest, NeverAdoptsOurOwnOrTheCharacterWindow) {
    BringToFront(target.Handle());
    tracker.TrackForeground();
    for (HWND ours : {own.Handle(), charWindow.Handle()}) {
        BringToFront(ours);
        ASSERT_EQ(GetForegroundWindow(), ours);
        EXPECT_FALSE(tracker.TrackForeground());
        EXPECT_EQ(tracker.TargetWindow, target.Handle());
    }
    EXPECT_EQ(adopted.size(), 1u);
}

TEST_F(TargetTrackerTest, RemembersTheFocusInsideTheTarget) {
    HWND edit = target.AddEdit();
    BringToFront(target.Handle());
    SetFocus(edit);
    tracker.TrackForeground();
    EXPECT_EQ(tracker.TargetFocus, edit);
}

TEST_F(TargetTrackerTest, SetTargetReportsOnlyAChange) {
    tracker.SetTarget(own.Handle());
    EXPECT_TRUE(adopted.empty());
    tracker.SetTarget(other.Handle());
    tracker.SetTarget(other.Handle());
    EXPECT_EQ(adopted, std::vector<HWND>{other.Handle()});
    EXPECT_EQ(tracker.TargetWindow, other.Handle());
}

TEST_F(TargetTrackerTest, RestoreBringsTheTargetBackWithItsFocus) {
    HWND edit = target.AddEdit();
    BringToFront(target.Handle());
    SetFocus(edit);
    tracker.TrackForeground();
    BringToFront(own.Handle());
    tracker.RestoreTargetFocus();
    ProcessMessages();
    EXPECT_EQ(GetForegroundWindow(), target.Handle());
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(TargetTrackerTest, RestoreFocusesTheTargetItselfWithoutAFocusWindow) {
    BringToFront(target.Handle());
    tracker.TrackForeground();
    tracker.TargetFocus = nullptr;
    BringToFront(other.Handle());
    tracker.RestoreTargetFocus();
    ProcessMessages();
    EXPECT_EQ(GetForegroundWindow(), target.Handle());
    EXPECT_EQ(GetFocus(), target.Handle());
}

TEST_F(TargetTrackerTest, RestoreLeavesTheForegroundAloneBeforeATargetIsAdopted) {
    BringToFront(other.Handle());
    tracker.RestoreTargetFocus();
    ProcessMessages();
    EXPECT_EQ(GetForegroundWindow(), other.Handle());
}

// A target window owned by a thread of its own, brought to the front by that thread, which pumps its messages until told to stop.
class TForeignWindowThread {
public:
    TForeignWindowThread() : thread_([this] { Run(); }) {
        while (!window_.load()) Sleep(5);
    }
    ~TForeignWindowThread() {
        PostThreadMessageW(threadId_.load(), WM_QUIT, 0, 0);
        thread_.join();
    }
    HWND Window() const { return window_.load(); }
    HWND Edit() const { return edit_.load(); }
    DWORD ThreadId() const { return threadId_.load(); }

private:
    void Run() {
        threadId_ = GetCurrentThreadId();
        TTestWindow window(L"Foreign", 550);
        edit_ = window.AddEdit();
        SetForegroundWindow(window.Handle());
        SetFocus(edit_.load());
        window_ = window.Handle();
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    }

    std::atomic<HWND> window_{nullptr};
    std::atomic<HWND> edit_{nullptr};
    std::atomic<DWORD> threadId_{0};
    std::thread thread_;
};

TEST_F(TargetTrackerTest, AttachesToTheTargetsThreadAndSeesItsFocus) {
    TForeignWindowThread foreign;
    for (int wait = 0; wait < 100 && GetForegroundWindow() != foreign.Window(); ++wait) Sleep(10);
    ASSERT_EQ(GetForegroundWindow(), foreign.Window());
    EXPECT_TRUE(tracker.TrackForeground());
    EXPECT_EQ(tracker.TargetThread, foreign.ThreadId());
    EXPECT_EQ(tracker.TargetFocus, foreign.Edit());
    EXPECT_EQ(GetFocus(), foreign.Edit());
    tracker.DetachInput();
    EXPECT_NE(GetFocus(), foreign.Edit());
}
}  // namespace
