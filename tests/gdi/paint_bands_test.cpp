#include <gtest/gtest.h>

#include "support/gdi/paint_bands.h"

using Edges = std::vector<int>;

TEST(PaintBands, CutsFallBetweenRowsOfControls) {
    // Three rows of keys 40 high with 5 rows of gap; two rows fit into a band of 90.
    const std::vector<TRowSpan> keys{{5, 45}, {50, 90}, {50, 90}, {95, 135}};
    EXPECT_EQ(PaintBandEdges(0, 140, 90, keys), (Edges{0, 90, 140}));
    EXPECT_EQ(PaintBandEdges(0, 140, 60, keys), (Edges{0, 50, 95, 140}));
    // Keys that only touch leave the row between them free.
    EXPECT_EQ(PaintBandEdges(0, 80, 50, {{0, 40}, {40, 80}}), (Edges{0, 40, 80}));
}

TEST(PaintBands, AControlHigherThanABandIsCut) {
    EXPECT_EQ(PaintBandEdges(0, 100, 30, {{10, 90}}), (Edges{0, 10, 40, 70, 100}));
    // Overlapping controls count as one block.
    EXPECT_EQ(PaintBandEdges(0, 100, 60, {{20, 70}, {0, 30}}), (Edges{0, 60, 100}));
}

TEST(PaintBands, AnAreaLowerThanABandIsOneBand) {
    EXPECT_EQ(PaintBandEdges(10, 50, 100, {}), (Edges{10, 50}));
    EXPECT_EQ(PaintBandEdges(10, 10, 100, {{0, 40}}), (Edges{10}));
    EXPECT_EQ(PaintBandEdges(0, 3, 0, {}), (Edges{0, 1, 2, 3}));
}
