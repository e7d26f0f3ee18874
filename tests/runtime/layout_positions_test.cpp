#include "runtime/layout_positions.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/lib/config/config_item.h"
#include "support/lib/format.h"

namespace {
std::string Layout(int i) { return Message("C:\\layouts\\keyboard%d.osk", i); }
}  // namespace

TEST(LayoutPositions, EntryNamesReplacePathSeparatorsAndDriveColons) {
    EXPECT_EQ(LayoutEntryName("C:\\dir/sub\\a.osk"), "C__dir_sub_a.osk");
}

TEST(LayoutPositions, APositionComesBackForItsLayoutOnly) {
    HConfigItem forms;
    RememberLayoutPosition(forms, Layout(1), {10, 20});
    RememberLayoutPosition(forms, Layout(2), {30, 40});
    const auto first = RememberedLayoutPosition(forms, Layout(1), {0, 0});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->X, 10);
    EXPECT_EQ(first->Y, 20);
    EXPECT_FALSE(RememberedLayoutPosition(forms, Layout(3), {0, 0}));
}

TEST(LayoutPositions, StoringAgainUpdatesTheSameEntry) {
    HConfigItem forms;
    RememberLayoutPosition(forms, Layout(1), {10, 20});
    RememberLayoutPosition(forms, Layout(1), {-5, 7});
    EXPECT_EQ(forms.Read("Index", 0), 1);
    EXPECT_EQ(RememberedLayoutPosition(forms, Layout(1), {0, 0})->X, -5);
}

TEST(LayoutPositions, PathsCompareWithoutRegardToLetterCase) {
    HConfigItem forms;
    RememberLayoutPosition(forms, "C:\\Keys\\A.osk", {1, 2});
    EXPECT_TRUE(RememberedLayoutPosition(forms, "c:\\keys\\a.OSK", {0, 0}));
}

TEST(LayoutPositions, TheThirtyFirstLayoutReplacesTheFirst) {
    HConfigItem forms;
    for (int i = 0; i < 31; ++i) RememberLayoutPosition(forms, Layout(i), {i, i});
    EXPECT_FALSE(RememberedLayoutPosition(forms, Layout(0), {0, 0}));
    EXPECT_EQ(RememberedLayoutPosition(forms, Layout(30), {0, 0})->X, 30);
    EXPECT_EQ(RememberedLayoutPosition(forms, Layout(1), {0, 0})->X, 1);
    EXPECT_EQ(forms.Read("Index", 0), 31);
}

TEST(LayoutPositions, MissingCoordinatesKeepTheCurrentPosition) {
    HConfigItem forms;
    forms.SubKey("Item0")->Write("Name", LayoutEntryName(Layout(1)));
    const auto position = RememberedLayoutPosition(forms, Layout(1), {77, 88});
    ASSERT_TRUE(position);
    EXPECT_EQ(position->X, 77);
    EXPECT_EQ(position->Y, 88);
}

TEST(LayoutPositions, ADamagedNegativeIndexStillPicksASlotOfTheRing) {
    HConfigItem forms;
    forms.Write("Index", -7);
    RememberLayoutPosition(forms, Layout(1), {5, 6});
    EXPECT_NE(forms.FindSubKey("Item23"), nullptr);
    EXPECT_EQ(RememberedLayoutPosition(forms, Layout(1), {0, 0})->Y, 6);
}

TEST(LayoutPositions, AnIndexAtTheLargestIntegerGoesOnFromItsSlot) {
    HConfigItem forms;
    forms.Write("Index", INT32_MAX);
    RememberLayoutPosition(forms, Layout(1), {5, 6});
    RememberLayoutPosition(forms, Layout(2), {7, 8});
    EXPECT_NE(forms.FindSubKey(Message("Item%d", INT32_MAX % 30)), nullptr);
    EXPECT_NE(forms.FindSubKey(Message("Item%d", INT32_MAX % 30 + 1)), nullptr);
    EXPECT_EQ(RememberedLayoutPosition(forms, Layout(1), {0, 0})->X, 5);
}
