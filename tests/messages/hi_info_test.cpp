#include "components/visual/messages/hi_info.h"

#include <gtest/gtest.h>

#include "../dialogs/dialog_robot.h"
#include "support/framework/language.h"

namespace {
class HiInfoTest : public ::testing::Test {
protected:
    HiInfoTest() {
        SetUserLanguage(TUserLanguage::English);
        Reset();
    }
    ~HiInfoTest() override { Reset(); }

    static void Reset() {
        HiInfo::Close();
        HiInfo::Clear();
        HiInfo::GetOpts() = HiInfoOptions{};
        while (HiInfo::Locked() > 0) HiInfo::Unlock();
    }

    static LRESULT ListCount() {
        HWND list = FindWindowExW(HiInfo::Window(), nullptr, L"ListBox", nullptr);
        return list ? SendMessageW(list, LB_GETCOUNT, 0, 0) : -1;
    }

    static HWND ButtonOf(const char* text) {
        for (HWND child = GetWindow(HiInfo::Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (WindowText(child) == text) return child;
        return nullptr;
    }
};

TEST_F(HiInfoTest, AMessageMakesTheWindowAndListsIt) {
    HiMessage(nullptr, hiiMessage, "Layout %s not found (%d)", "base.osk", 2);
    ASSERT_NE(HiInfo::Window(), nullptr);
    EXPECT_TRUE(HiInfo::Visible());
    EXPECT_EQ(ListCount(), 1);
    EXPECT_EQ(HiInfo::Count(), 1u);
    EXPECT_EQ(WindowText(HiInfo::Window()), "Messages");
}

TEST_F(HiInfoTest, BelowActivateMinMessagesArriveSilently) {
    HiInfo::GetOpts().ActivateMin = hiiWarning;
    HiMessage(nullptr, hiiInformation, "quiet");
    EXPECT_NE(HiInfo::Window(), nullptr);
    EXPECT_FALSE(HiInfo::Visible());
    EXPECT_EQ(ListCount(), 1);
    HiMessage(nullptr, hiiWarning, "loud");
    EXPECT_TRUE(HiInfo::Visible());
    EXPECT_EQ(ListCount(), 2);
}

TEST_F(HiInfoTest, AFullListIsCutToBelowHalfBeforeTheNewMessage) {
    HiInfo::GetOpts().ActivateMin = hiiError;
    for (int i = 0; i < 100; ++i) HiMessage(nullptr, hiiMessage, "m%d", i);
    EXPECT_EQ(ListCount(), 100);
    HiMessage(nullptr, hiiMessage, "newest");
    EXPECT_EQ(ListCount(), 50);
    EXPECT_EQ(HiInfo::Count(), 50u);
}

TEST_F(HiInfoTest, HiddenKindsLeaveTheListAndTheWindowStaysDown) {
    HiInfo::GetOpts().Flt[hiiInformation] = true;
    HiMessage(nullptr, hiiInformation, "hidden");
    EXPECT_FALSE(HiInfo::Visible());
    HiInfo::Activate(nullptr, true);
    EXPECT_FALSE(HiInfo::Visible());
    HiInfo::GetOpts().Flt[hiiInformation] = false;
    HiInfo::UpdateOpts();
    EXPECT_EQ(ListCount(), 1);
}

TEST_F(HiInfoTest, LocksHideTheWindowAndTheLastUnlockShowsANotedMessage) {
    HiMessage(nullptr, hiiError, "first");
    HiInfo::Lock();
    EXPECT_FALSE(HiInfo::Visible());
    HiMessage(nullptr, hiiError, "second");
    EXPECT_FALSE(HiInfo::Visible());
    HiInfo::Unlock();
    EXPECT_TRUE(HiInfo::Visible());
}

TEST_F(HiInfoTest, CloseForgetsTheWindowButKeepsTheMessages) {
    HiMessage(nullptr, hiiMessage, "kept");
    HiInfo::Close();
    EXPECT_EQ(HiInfo::Window(), nullptr);
    EXPECT_FALSE(HiInfo::Visible());
    HiInfo::Activate(nullptr, true);
    EXPECT_TRUE(HiInfo::Visible());
    EXPECT_EQ(ListCount(), 1);
}

TEST_F(HiInfoTest, ClosingTheWindowFollowsTheCloseAction) {
    HiMessage(nullptr, hiiMessage, "a");
    SendMessageW(HiInfo::Window(), WM_CLOSE, 0, 0);
    EXPECT_NE(HiInfo::Window(), nullptr);
    EXPECT_FALSE(HiInfo::Visible());

    HiInfo::GetOpts().CloseAction = hcaMinimize;
    HiInfo::Activate(nullptr, false);
    SendMessageW(HiInfo::Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsIconic(HiInfo::Window()));

    HiInfo::GetOpts().CloseAction = hcaDestroy;
    SendMessageW(ButtonOf("Close"), BM_CLICK, 0, 0);
    EXPECT_EQ(HiInfo::Window(), nullptr);
}

TEST_F(HiInfoTest, TheClearButtonEmptiesTheList) {
    HiMessage(nullptr, hiiMessage, "a");
    HiMessage(nullptr, hiiMessage, "b");
    SendMessageW(ButtonOf("Clear"), BM_CLICK, 0, 0);
    EXPECT_EQ(ListCount(), 0);
    EXPECT_EQ(HiInfo::Count(), 0u);
}

TEST_F(HiInfoTest, TheOptionsDialogChangesTheOptions) {
    HiMessage(nullptr, hiiMessage, "a");
    TShownDialog shown;
    TDialogRobot robot("Message window options");
    robot.Inspect(shown)
        .Then([](HWND dialog) { SendDlgItemMessageW(dialog, 201, BM_CLICK, 0, 0); })
        .Then([](HWND dialog) { SetDlgItemTextW(dialog, 220, L"300"); })
        .Click("OK");
    SendMessageW(ButtonOf("Options..."), BM_CLICK, 0, 0);
    EXPECT_TRUE(robot.SawDialog());
    EXPECT_TRUE(HiInfo::GetOpts().Timestamp);
    EXPECT_EQ(HiInfo::GetOpts().MaxItems, 300);
    EXPECT_EQ(HiInfo::GetOpts().CloseAction, hcaHide);
    EXPECT_EQ(HiInfo::GetOpts().ActivateMin, hiiMessage);
    EXPECT_TRUE(shown.HasCheckBox);
}

TEST_F(HiInfoTest, KindsHaveNamesAndIcons) {
    EXPECT_STREQ(HiInfo::Icon2Str(hiiWarning), "Предупреждение");
    EXPECT_STREQ(HiInfo::Icon2Str(7), "");
    EXPECT_EQ(HiInfo::GetHIcon(hiiMessage), nullptr);
    EXPECT_NE(HiInfo::GetHIcon(hiiInformation), nullptr);
    EXPECT_NE(HiInfo::GetHIcon(hiiWarning), nullptr);
    EXPECT_NE(HiInfo::GetHIcon(hiiError), nullptr);
    EXPECT_EQ(HiInfo::GetHIcon(-3), nullptr);
}

TEST_F(HiInfoTest, AbsurdInputsAreTakenWithoutHarm) {
    HiInfo::GetOpts().Timestamp = true;
    HiMessage(reinterpret_cast<HWND>(0x1234), hiiError, nullptr);
    HiMessage(nullptr, static_cast<HiIcon>(9), "%s", std::string(100000, 'x').c_str());
    HiMessage(nullptr, hiiMessage, "\xFF\xFE\nsecond line");
    EXPECT_EQ(ListCount(), 3);
    UpdateWindow(HiInfo::Window());
}
}  // namespace
