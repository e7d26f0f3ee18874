#include "components/visual/messages/message_center.h"

#include <gtest/gtest.h>

#include "fake_view.h"

namespace {
class MessageCenter : public ::testing::Test {
protected:
    TFakeViewState view;
    std::time_t now = 1700000000;
    HiMessageCenter center{std::make_unique<TFakeView>(view), [this] { return now; }};
    void* owner = &view;

    void AddMany(int count, HiIcon kind = hiiMessage) {
        for (int i = 0; i < count; ++i) center.Add(owner, kind, "m" + std::to_string(i));
    }
};

TEST_F(MessageCenter, TheFirstMessageMakesTheWindowAndShowsIt) {
    center.Add(owner, hiiInformation, "hello");
    EXPECT_EQ(view.Creates, 1);
    EXPECT_EQ(view.Owner, owner);
    EXPECT_TRUE(center.Visible());
    ASSERT_EQ(center.Messages().Count(), 1u);
    EXPECT_EQ(center.Messages()[0].Text, "hello");
    EXPECT_EQ(center.Messages()[0].Kind, hiiInformation);
    EXPECT_EQ(center.Messages()[0].Time, now);
    EXPECT_GE(view.Refreshes, 1);
}

TEST_F(MessageCenter, KindsBelowActivateMinAreAddedSilently) {
    center.Options().ActivateMin = hiiWarning;
    center.Add(owner, hiiMessage, "a");
    center.Add(owner, hiiInformation, "b");
    EXPECT_TRUE(view.Exists) << "the window is made, hidden";
    EXPECT_FALSE(center.Visible());
    EXPECT_EQ(center.Messages().Count(), 2u);
    center.Add(owner, hiiWarning, "c");
    EXPECT_TRUE(center.Visible());
    center.Close();
    center.Add(owner, hiiError, "d");
    EXPECT_TRUE(center.Visible());
}

TEST_F(MessageCenter, AHiddenKindDoesNotPopAnEmptyListUp) {
    center.Options().Flt[hiiInformation] = true;
    center.Add(owner, hiiInformation, "filtered");
    EXPECT_FALSE(center.Visible());
    center.Activate(owner, true);
    EXPECT_FALSE(center.Visible());
    center.Activate(owner, false);
    EXPECT_TRUE(center.Visible());
}

TEST_F(MessageCenter, ActivateWithoutMessagesShowsOnlyWhenAskedTo) {
    center.Activate(owner, true);
    EXPECT_FALSE(view.Exists);
    center.Activate(owner, false);
    EXPECT_TRUE(center.Visible());
}

TEST_F(MessageCenter, HundredOfHundredDeletesTheOldest51) {
    center.Options().MaxItems = 100;
    AddMany(100);
    ASSERT_EQ(center.Messages().Count(), 100u);
    center.Add(owner, hiiMessage, "newest");
    ASSERT_EQ(center.Messages().Count(), 50u);
    EXPECT_EQ(center.Messages()[0].Text, "m51");
    EXPECT_EQ(center.Messages()[49].Text, "newest");
}

TEST_F(MessageCenter, BelowTheLimitNothingIsDeleted) {
    center.Options().MaxItems = 10;
    AddMany(10);
    EXPECT_EQ(center.Messages().Count(), 10u);
    EXPECT_EQ(center.Messages()[0].Text, "m0");
}

TEST_F(MessageCenter, ZeroMaxItemsMeans2000) {
    center.Options().MaxItems = 0;
    AddMany(2000);
    EXPECT_EQ(center.Messages().Count(), 2000u);
    center.Add(owner, hiiMessage, "x");
    EXPECT_EQ(center.Messages().Count(), 1000u);
}

TEST_F(MessageCenter, AbsurdLimitsStayBounded) {
    EXPECT_EQ(HiInfoOptions{.MaxItems = -5}.ItemLimit(), 2000);
    EXPECT_EQ(HiInfoOptions{.MaxItems = 2147483647}.ItemLimit(), kHiMaxItemLimit);
    center.Options().MaxItems = 1;
    AddMany(3);
    EXPECT_EQ(center.Messages().Count(), 1u);
    EXPECT_EQ(center.Messages()[0].Text, "m2");
}

TEST_F(MessageCenter, TheFirstLockHidesAndTheLastUnlockShowsWhatWasNoted) {
    center.Add(owner, hiiMessage, "a");
    ASSERT_TRUE(center.Visible());
    center.Lock();
    EXPECT_FALSE(center.Visible());
    center.Lock();
    EXPECT_EQ(center.Locked(), 2);
    center.Add(owner, hiiError, "b");
    EXPECT_FALSE(center.Visible()) << "locked: the showing is only noted";
    center.Unlock();
    EXPECT_FALSE(center.Visible());
    center.Unlock();
    EXPECT_EQ(center.Locked(), 0);
    EXPECT_TRUE(center.Visible());
}

TEST_F(MessageCenter, UnlockWithoutANotedShowingLeavesTheWindowHidden) {
    center.Add(owner, hiiMessage, "a");
    center.Lock();
    center.Unlock();
    EXPECT_FALSE(center.Visible());
    center.Unlock();
    EXPECT_EQ(center.Locked(), 0) << "an extra unlock does not go below zero";
}

TEST_F(MessageCenter, ClearEmptiesTheListAndRefreshes) {
    AddMany(3);
    int refreshes = view.Refreshes;
    center.Clear();
    EXPECT_EQ(center.Messages().Count(), 0u);
    EXPECT_EQ(view.Refreshes, refreshes + 1);
}

TEST_F(MessageCenter, CloseActionsHideDestroyOrMinimise) {
    center.Add(owner, hiiMessage, "a");
    center.CloseRequested();
    EXPECT_TRUE(view.Exists);
    EXPECT_FALSE(center.Visible());

    center.Options().CloseAction = hcaMinimize;
    center.Activate(owner, false);
    center.CloseRequested();
    EXPECT_TRUE(view.Minimized);
    EXPECT_TRUE(center.Visible());

    center.Options().CloseAction = hcaDestroy;
    center.CloseRequested();
    EXPECT_FALSE(view.Exists);
    EXPECT_EQ(center.Messages().Count(), 1u) << "messages outlive the window";
}

TEST_F(MessageCenter, UpdateOptionsReachesAnOpenWindowOnly) {
    center.UpdateOptions();
    EXPECT_EQ(view.OptionUpdates, 0);
    center.Activate(owner, false);
    center.UpdateOptions();
    EXPECT_EQ(view.OptionUpdates, 1);
}
}  // namespace
