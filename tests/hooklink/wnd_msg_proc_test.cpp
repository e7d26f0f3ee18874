#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "keys/osk_messages.h"
#include "runtime/hooklink/layout_hook.h"
#include "runtime/hooklink/shared_data.h"
#include "runtime/hooklink/wnd_msg_proc.h"
#include "tests/hooklink/test_windows.h"

namespace {

// The runtime's side: its window, a target window of this thread, the record, and the
// runtime's own hook procedure set for this thread.
class HookProcedure : public ::testing::Test {
protected:
    void SetUp() override {
        name = "HookLinkTest_proc_" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(SharedBlock().Open(sizeof(OSKSharedData), name.c_str()));
        runtimeWindow = MakeQuietWindow();
        target = MakeQuietWindow();
        ASSERT_NE(runtimeWindow, nullptr);
        ASSERT_NE(target, nullptr);
        record().RuntimeWindow = HandleToField(runtimeWindow);
        record().TargetWindow = HandleToField(target);
        record().Layout = HandleToField(GetKeyboardLayout(0));
        ASSERT_TRUE(InstallLayoutHook(nullptr)) << LayoutHookError();
        DiscardPosted(runtimeWindow);
        DiscardPosted(target);
    }

    void TearDown() override {
        RemoveLayoutHook();
        DestroyWindow(target);
        DestroyWindow(runtimeWindow);
        SharedBlock().Close();
    }

    static OSKSharedData& record() { return *SharedBlock().Data(); }

    std::optional<MSG> LayoutReport() { return TakePosted(runtimeWindow, WM_OSK_LAYOUTCHANGED); }

    // A window of a thread that is not the calling one; it lives until the object dies.
    struct OtherThreadWindow {
        OtherThreadWindow() {
            HANDLE created = CreateEventA(nullptr, TRUE, FALSE, nullptr);
            done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
            thread = std::thread([this, created] {
                window = MakeQuietWindow();
                SetEvent(created);
                WaitForSingleObject(done, 10000);
                DestroyWindow(window);
            });
            WaitForSingleObject(created, 10000);
            CloseHandle(created);
        }
        ~OtherThreadWindow() {
            SetEvent(done);
            thread.join();
            CloseHandle(done);
        }
        HWND window = nullptr;
        HANDLE done;
        std::thread thread;
    };

    std::string name;
    HWND runtimeWindow = nullptr;
    HWND target = nullptr;
};

HKL OtherThan(HKL layout) {
    return reinterpret_cast<HKL>(reinterpret_cast<uintptr_t>(layout) ^ 0x10000);
}

}  // namespace

TEST_F(HookProcedure, ReportsATargetLayoutThatDiffersFromTheRecord) {
    HKL current = GetKeyboardLayout(0);
    record().Layout = HandleToField(OtherThan(current));
    SendMessageA(target, WM_NULL, 0, 0);
    std::optional<MSG> report = LayoutReport();
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(reinterpret_cast<HWND>(report->wParam), target);
    EXPECT_EQ(reinterpret_cast<HKL>(report->lParam), current);
    EXPECT_EQ(record().Layout, HandleToField(current));
}

TEST_F(HookProcedure, StaysQuietWhileTheLayoutMatchesTheRecord) {
    SendMessageA(target, WM_NULL, 0, 0);
    SendMessageA(target, WM_USER, 0, 0);
    EXPECT_FALSE(LayoutReport().has_value());
}

TEST_F(HookProcedure, ReportsOnceAndThenTheRecordMatches) {
    record().Layout = HandleToField(OtherThan(GetKeyboardLayout(0)));
    SendMessageA(target, WM_NULL, 0, 0);
    ASSERT_TRUE(LayoutReport().has_value());
    SendMessageA(target, WM_NULL, 0, 0);
    EXPECT_FALSE(LayoutReport().has_value());
}

TEST_F(HookProcedure, ActsForAnyWindowOfTheTargetsThread) {
    HWND sibling = MakeQuietWindow();
    record().Layout = HandleToField(OtherThan(GetKeyboardLayout(0)));
    SendMessageA(sibling, WM_NULL, 0, 0);
    std::optional<MSG> report = LayoutReport();
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(reinterpret_cast<HWND>(report->wParam), sibling);
    DestroyWindow(sibling);
}

TEST_F(HookProcedure, LanguageChangeRequestSetsTheRecordsLayout) {
    SendMessageA(target, WM_INPUTLANGCHANGEREQUEST, 0, 0x04190419);
    EXPECT_EQ(record().Layout, 0x04190419u);
    std::optional<MSG> report = LayoutReport();
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->lParam, 0x04190419);
    EXPECT_EQ(reinterpret_cast<HWND>(report->wParam), target);
}

TEST_F(HookProcedure, LanguageChangeIsReportedEvenWhenTheRecordAgrees) {
    HKL current = GetKeyboardLayout(0);
    SendMessageA(target, WM_INPUTLANGCHANGE, 0, reinterpret_cast<LPARAM>(current));
    std::optional<MSG> report = LayoutReport();
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(reinterpret_cast<HKL>(report->lParam), current);
}

TEST_F(HookProcedure, NextLayoutCommandIsRunAndReset) {
    record().Command = kHookCommandNextLayout;
    SendMessageA(target, WM_NULL, 0, 0);
    EXPECT_EQ(record().Command, kHookCommandNone);
    std::optional<MSG> request = TakePosted(target, WM_INPUTLANGCHANGEREQUEST);
    ASSERT_TRUE(request.has_value()) << "the target is asked to take the next layout";
}

TEST_F(HookProcedure, UnknownCommandIsResetWithoutASwitch) {
    record().Command = 9;
    SendMessageA(target, WM_NULL, 0, 0);
    EXPECT_EQ(record().Command, kHookCommandNone);
    EXPECT_FALSE(TakePosted(target, WM_INPUTLANGCHANGEREQUEST).has_value());
}

TEST_F(HookProcedure, PostHookCommandRunsTheCommandAtOnce) {
    PostHookCommand(target, kHookCommandNextLayout, 0, 0);
    EXPECT_EQ(record().Command, kHookCommandNone);
    EXPECT_EQ(record().Param1, 0u);
    EXPECT_TRUE(TakePosted(target, WM_INPUTLANGCHANGEREQUEST).has_value());
}

TEST_F(HookProcedure, PostHookCommandWithoutWindowOnlyWritesTheRecord) {
    PostHookCommand(nullptr, kHookCommandNextLayout, 5, 6);
    EXPECT_EQ(record().Command, kHookCommandNextLayout);
    EXPECT_EQ(record().Param1, 5u);
    EXPECT_EQ(record().Param2, 6u);
    record().Command = kHookCommandNone;
}

TEST_F(HookProcedure, DoesNothingWithoutTarget) {
    record().TargetWindow = 0;
    record().Command = kHookCommandNextLayout;
    record().Layout = HandleToField(OtherThan(GetKeyboardLayout(0)));
    SendMessageA(target, WM_NULL, 0, 0);
    EXPECT_FALSE(LayoutReport().has_value());
    EXPECT_EQ(record().Command, kHookCommandNextLayout);
}

TEST_F(HookProcedure, LeavesAloneATargetOfAnotherThread) {
    OtherThreadWindow other;
    ASSERT_NE(other.window, nullptr);
    record().TargetWindow = HandleToField(other.window);
    record().Command = kHookCommandNextLayout;
    uint32_t stale = HandleToField(OtherThan(GetKeyboardLayout(0)));
    record().Layout = stale;
    SendMessageA(target, WM_NULL, 0, 0);
    SendMessageA(target, WM_INPUTLANGCHANGEREQUEST, 0, 0x04190419);
    EXPECT_FALSE(LayoutReport().has_value());
    EXPECT_EQ(record().Command, kHookCommandNextLayout);
    EXPECT_EQ(record().Layout, stale);
}

TEST_F(HookProcedure, IgnoresCallsThatAreNotActions) {
    record().Layout = HandleToField(OtherThan(GetKeyboardLayout(0)));
    CWPSTRUCT message{0, 0, WM_NULL, target};
    WndMsgProc(HC_ACTION + 1, 0, reinterpret_cast<LPARAM>(&message));
    WndMsgProc(HC_ACTION, 0, 0);
    CWPSTRUCT stale{0, 0, WM_NULL, reinterpret_cast<HWND>(static_cast<intptr_t>(0x7FFF0))};
    WndMsgProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&stale));
    EXPECT_FALSE(LayoutReport().has_value());
    WndMsgProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&message));
    EXPECT_TRUE(LayoutReport().has_value());
}

TEST_F(HookProcedure, DoesNothingWhileTheRecordIsClosed) {
    record().Layout = HandleToField(OtherThan(GetKeyboardLayout(0)));
    SharedBlock().Close();
    SendMessageA(target, WM_NULL, 0, 0);
    EXPECT_FALSE(LayoutReport().has_value());
}

TEST_F(HookProcedure, SignalsTheAccessEventOnEveryCall) {
    HANDLE event = OpenEventA(EVENT_ALL_ACCESS, FALSE, (name + "_Access").c_str());
    ASSERT_NE(event, nullptr);
    ResetEvent(event);
    WndMsgProc(HC_ACTION + 1, 0, 0);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    CloseHandle(event);
}

TEST_F(HookProcedure, AnUnsignalledEventDelaysTheHookOnlyBriefly) {
    HANDLE event = OpenEventA(EVENT_ALL_ACCESS, FALSE, (name + "_Access").c_str());
    ASSERT_NE(event, nullptr);
    record().Layout = HandleToField(OtherThan(GetKeyboardLayout(0)));
    ResetEvent(event);
    DWORD start = GetTickCount();
    SendMessageA(target, WM_NULL, 0, 0);
    EXPECT_LT(GetTickCount() - start, 500u);
    EXPECT_FALSE(LayoutReport().has_value()) << "without access the record is left alone";
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    CloseHandle(event);
}
