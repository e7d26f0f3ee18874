#include "runtime/delivery/popup_position.h"

#include <gtest/gtest.h>

namespace {
TEST(PopupByKeyPoint, KeyInTheLowerHalfOpensTheMenuAboveIt) {
    const TPoint point = PopupByKeyPoint(TRect{30, 150, 70, 180}, 200, 20, 3);
    EXPECT_EQ(point.X, 30);
    EXPECT_EQ(point.Y, 150 - 20 * 3 - 1);
}

TEST(PopupByKeyPoint, KeyInTheUpperHalfOpensTheMenuBelowIt) {
    const TPoint point = PopupByKeyPoint(TRect{12, 20, 50, 45}, 200, 20, 3);
    EXPECT_EQ(point.X, 12);
    EXPECT_EQ(point.Y, 46);
}

TEST(PopupByKeyPoint, KeyAtHalfTheHeightOrAboveOpensBelow) {
    EXPECT_EQ(PopupByKeyPoint(TRect{0, 100, 10, 120}, 200, 20, 2).Y, 121);
    EXPECT_EQ(PopupByKeyPoint(TRect{0, 100, 10, 120}, 201, 20, 2).Y, 121);
    EXPECT_EQ(PopupByKeyPoint(TRect{0, 101, 10, 120}, 201, 20, 2).Y, 60);
    EXPECT_EQ(PopupByKeyPoint(TRect{0, 101, 10, 120}, 200, 20, 2).Y, 60);
}
}  // namespace
