#include <gtest/gtest.h>

#include "components/surface/grid_tile.h"
#include "support/gdi/bitmap.h"

namespace {
constexpr uint32_t kBack = 0xF0F0F0, kDot = 0x808080;

HBitmap Tile(int stepX, int stepY, int scrollX = 0, int scrollY = 0) {
    HBitmap tile;
    BuildGridTile(tile, stepX, stepY, scrollX, scrollY, kBack, kDot);
    return tile;
}
}  // namespace

TEST(GridTileSize, IsTheSmallestWholeNumberOfStepsWiderThanEight) {
    EXPECT_EQ(GridTileSize(8), 16);
    EXPECT_EQ(GridTileSize(10), 10);
    EXPECT_EQ(GridTileSize(1), 9);
    EXPECT_EQ(GridTileSize(3), 9);
    EXPECT_EQ(GridTileSize(4), 12);
    EXPECT_EQ(GridTileSize(9), 9);
}

TEST(GridTile, HasTheTileSizeInBothDirections) {
    const HBitmap tile = Tile(8, 10);
    EXPECT_EQ(tile.Width(), 16);
    EXPECT_EQ(tile.Height(), 10);
}

TEST(GridTile, PutsDotsOneStepApartFromTheCorner) {
    const HBitmap tile = Tile(8, 8);
    for (int y = 0; y < tile.Height(); ++y)
        for (int x = 0; x < tile.Width(); ++x)
            EXPECT_EQ(tile.Pixel(x, y), x % 8 == 0 && y % 8 == 0 ? kDot : kBack) << x << "," << y;
}

TEST(GridTile, AStepOfTenHasOneDotPerTile) {
    const HBitmap tile = Tile(10, 10);
    int dots = 0;
    for (uint32_t pixel : tile.Pixels()) dots += pixel == kDot;
    EXPECT_EQ(dots, 1);
    EXPECT_EQ(tile.Pixel(0, 0), kDot);
}

TEST(GridTile, ScrollingMovesTheDotsBackByTheScrolledAmount) {
    // Scrolled by 3, the content's dot at 8 shows at client position 5.
    const HBitmap tile = Tile(8, 8, 3, 0);
    EXPECT_EQ(tile.Pixel(5, 0), kDot);
    EXPECT_EQ(tile.Pixel(13, 0), kDot);
    EXPECT_EQ(tile.Pixel(0, 0), kBack);
    const HBitmap down = Tile(10, 10, 0, 7);
    EXPECT_EQ(down.Pixel(0, 3), kDot);
}

TEST(GridTile, ScrollingByWholeStepsGivesTheSameTile) {
    EXPECT_TRUE(Tile(8, 10, 16, 30) == Tile(8, 10));
    EXPECT_TRUE(Tile(8, 10, 3, 4) == Tile(8, 10, 3 + 24, 4 + 50));
}
