#include <gtest/gtest.h>

#include "support/gdi/blt_types.h"

namespace {
void ExpectRect(const TRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.Left, left);
    EXPECT_EQ(r.Top, top);
    EXPECT_EQ(r.Right, right);
    EXPECT_EQ(r.Bottom, bottom);
}
const TRect kArea{10, 20, 110, 70};  // 100 × 50
}  // namespace

TEST(BltPlacement, CropPutsThePictureAtTheTopLeftCornerAtItsOwnSize) {
    const HBltPlacement p = BltPlacement(kArea, 30, 15, HBT_Crop);
    EXPECT_FALSE(p.Fill);
    EXPECT_FALSE(p.Tiled);
    ExpectRect(p.Picture, 10, 20, 40, 35);
}

TEST(BltPlacement, StretchCoversTheWholeArea) { ExpectRect(BltPlacement(kArea, 30, 15, HBT_Stretch).Picture, 10, 20, 110, 70); }

TEST(BltPlacement, CenterKeepsTheSize) { ExpectRect(BltPlacement(kArea, 30, 16, HBT_Center).Picture, 45, 37, 75, 53); }

TEST(BltPlacement, ACentredPictureLargerThanTheAreaOverhangsOnBothSides) {
    ExpectRect(BltPlacement(kArea, 120, 50, HBT_Center).Picture, 0, 20, 120, 70);
}

TEST(BltPlacement, TilesLineUpWithMultiplesOfThePictureSize) {
    const HBltPlacement p = BltPlacement(kArea, 30, 16, HBT_Tile);
    EXPECT_TRUE(p.Tiled);
    EXPECT_EQ(p.TileOrigin.X, 0);
    EXPECT_EQ(p.TileOrigin.Y, 16);
}

TEST(BltPlacement, TilesLineUpLeftOfANegativeCorner) {
    const HBltPlacement p = BltPlacement({-5, -30, 10, 10}, 8, 10, HBT_Tile);
    EXPECT_EQ(p.TileOrigin.X, -8);
    EXPECT_EQ(p.TileOrigin.Y, -30);
}

TEST(BltPlacement, RatioStretchScalesByTheSmallerWholePercentAndCentres) {
    // 100/30 → 333 %, 50/20 → 250 %: 250 % of 30 × 20 is 75 × 50.
    ExpectRect(BltPlacement(kArea, 30, 20, HBT_RatioStretch).Picture, 22, 20, 97, 70);
    // 100/300 → 33 %, 50/60 → 83 %: 33 % of 300 × 60 is 99 × 19.
    ExpectRect(BltPlacement(kArea, 300, 60, HBT_RatioStretch).Picture, 10, 35, 109, 54);
}

TEST(BltPlacement, AMissingOrEmptyPictureFillsTheArea) {
    for (HBT_Types mode : {HBT_Crop, HBT_Stretch, HBT_Center, HBT_Tile, HBT_RatioStretch}) {
        EXPECT_TRUE(BltPlacement(kArea, 0, 0, mode).Fill);
        EXPECT_TRUE(BltPlacement(kArea, 10, 0, mode).Fill);
        EXPECT_TRUE(BltPlacement(kArea, -3, 10, mode).Fill);
    }
}

TEST(BltPlacement, AnUnknownModeFills) { EXPECT_TRUE(BltPlacement(kArea, 10, 10, static_cast<HBT_Types>(9)).Fill); }
