#include "runtime/keyboard_placement.h"

#include <gtest/gtest.h>

namespace {
// A second monitor right of a 1024 x 768 one, with a task bar of 40 pixels at its bottom.
const TRect kMonitor{1024, 0, 2304, 1024};
const TRect kWorkArea{1024, 0, 2304, 984};
}  // namespace

TEST(KeyboardPlacement, ANewKeyboardSitsCentredOnTheBottomOfTheWorkArea) {
    const TPoint place = DefaultKeyboardPosition(kWorkArea, 600, 200);
    EXPECT_EQ(place.X, 1024 + (1280 - 600) / 2);
    EXPECT_EQ(place.Y, 984 - 200);
}

TEST(KeyboardPlacement, AKeyboardLargerThanTheWorkAreaKeepsItsTopLeftCornerOnIt) {
    const TPoint place = DefaultKeyboardPosition(kWorkArea, 1500, 1200);
    EXPECT_EQ(place.X, 1024);
    EXPECT_EQ(place.Y, 0);
}

TEST(KeyboardPlacement, OnlyTheRightAndBottomEdgesOfTheWindowsMonitorPullBack) {
    const TPoint pulled = ClampedKeyboardPosition(kMonitor, TRect{2200, 1000, 2400, 1100});
    EXPECT_EQ(pulled.X, 2304 - 200 - 10);
    EXPECT_EQ(pulled.Y, 1024 - 100 - 10);
    const TPoint kept = ClampedKeyboardPosition(kMonitor, TRect{1100, -50, 1300, 50});
    EXPECT_EQ(kept.X, 1100);
    EXPECT_EQ(kept.Y, -50);
}
