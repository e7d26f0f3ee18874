#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "runtime/hooklink/layout_list.h"
#include "tests/hooklink/test_windows.h"

namespace {

HKL Layout(uintptr_t value) {
    return reinterpret_cast<HKL>(value);
}

}  // namespace

TEST(LayoutAfter, GivesTheFollowingEntry) {
    std::vector<HKL> list{Layout(0x04090409), Layout(0x04190419), Layout(0x04070407)};
    EXPECT_EQ(LayoutAfter(list, Layout(0x04090409)), Layout(0x04190419));
    EXPECT_EQ(LayoutAfter(list, Layout(0x04190419)), Layout(0x04070407));
}

TEST(LayoutAfter, WrapsFromTheLastToTheFirst) {
    std::vector<HKL> list{Layout(0x04090409), Layout(0x04190419), Layout(0x04070407)};
    EXPECT_EQ(LayoutAfter(list, Layout(0x04070407)), Layout(0x04090409));
}

TEST(LayoutAfter, ASingleLayoutFollowsItself) {
    std::vector<HKL> list{Layout(0x04090409)};
    EXPECT_EQ(LayoutAfter(list, Layout(0x04090409)), Layout(0x04090409));
}

TEST(LayoutAfter, ReportsALayoutMissingFromTheList) {
    std::vector<HKL> list{Layout(0x04090409), Layout(0x04190419)};
    EXPECT_FALSE(LayoutAfter(list, Layout(0x04070407)).has_value());
    EXPECT_FALSE(LayoutAfter({}, Layout(0x04090409)).has_value());
}

TEST(LayoutList, HoldsTheInstalledLayoutsWithTheCurrentOne) {
    ASSERT_TRUE(InitLayoutList());
    std::span<const HKL> list = LayoutList();
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(static_cast<int>(list.size()), GetKeyboardLayoutList(0, nullptr));
    EXPECT_NE(std::find(list.begin(), list.end(), GetKeyboardLayout(0)), list.end());
}

TEST(NextLayout, AsksTheWindowForTheFollowingLayout) {
    ASSERT_TRUE(InitLayoutList());
    HWND window = MakeQuietWindow();
    HKL current = GetKeyboardLayout(0);
    NextLayout(window, current);
    std::optional<MSG> request = TakePosted(window, WM_INPUTLANGCHANGEREQUEST);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(reinterpret_cast<HKL>(request->lParam), LayoutAfter(LayoutList(), current));
    EXPECT_EQ(GetKeyboardLayout(0), LayoutAfter(LayoutList(), current));
    DestroyWindow(window);
}

TEST(NextLayout, TakesTheLayoutOfTheWindowsThreadWhenNoneIsGiven) {
    ASSERT_TRUE(InitLayoutList());
    HWND window = MakeQuietWindow();
    HKL current = GetKeyboardLayout(0);
    NextLayout(window, nullptr);
    std::optional<MSG> request = TakePosted(window, WM_INPUTLANGCHANGEREQUEST);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(reinterpret_cast<HKL>(request->lParam), LayoutAfter(LayoutList(), current));
    DestroyWindow(window);
}

TEST(NextLayout, AnUnlistedLayoutSwitchesNothing) {
    ASSERT_TRUE(InitLayoutList());
    HWND window = MakeQuietWindow();
    HKL before = GetKeyboardLayout(0);
    NextLayout(window, Layout(0x7ABC7ABC));
    EXPECT_FALSE(TakePosted(window, WM_INPUTLANGCHANGEREQUEST).has_value());
    EXPECT_EQ(GetKeyboardLayout(0), before);
    DestroyWindow(window);
}
