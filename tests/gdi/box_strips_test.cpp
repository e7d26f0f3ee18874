#include <gtest/gtest.h>

#include "support/gdi/bitmap.h"
#include "support/gdi/box_types.h"

namespace {
constexpr uint32_t kUnpainted = 0x123456;
constexpr uint32_t kWhite = 0xFFFFFF, kGrey = 0x808080, kSilver = 0xC0C0C0, kBlack = 0;
constexpr int kSize = 20;

// The frame drawn into a 20 × 20 picture of kUnpainted pixels.
HBitmap Drawn(HBOX_Types type, TColor color = 0x0000FF) {
    HBitmap picture;
    picture.SetSize(kSize, kSize);
    picture.Fill(kUnpainted);
    for (const HBoxStrip& strip : BoxStrips({0, 0, kSize, kSize}, color, type))
        picture.FillRect(strip.Area, static_cast<uint32_t>(strip.Color));
    return picture;
}

bool InRing(int x, int y, int width) {
    return x < width || y < width || x >= kSize - width || y >= kSize - width;
}

const HBOX_Types kAllTypes[] = {HBOX_Raise, HBOX_Lower, HBOX_Frame, HBOX_Rect, HBOX_Box, HBOX_HeavyBox, HBOX_Button,
                                HBOX_Control, HBOX_None, HBOX_Null, HBOX_Solid, HBOX_Border, HBOX_EdgeUp,
                                HBOX_EdgeDown};
}  // namespace

TEST(BoxWidth, EachStyleHasItsFrameWidth) {
    const int expected[] = {1, 1, 2, 1, 4, 5, 2, 2, 0, 0, 1, 1, 4, 4};
    for (HBOX_Types type : kAllTypes) EXPECT_EQ(TC_BoxWidth(type), expected[type]) << int(type);
}

TEST(BoxWidth, AnUnknownStyleHasNoFrame) { EXPECT_EQ(TC_BoxWidth(static_cast<HBOX_Types>(200)), 0); }

TEST(BoxStrips, NoStyleDrawsInsideItsFrameWidth) {
    for (HBOX_Types type : kAllTypes) {
        const HBitmap picture = Drawn(type);
        const int width = TC_BoxWidth(type);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                if (!InRing(x, y, width)) {
                    ASSERT_EQ(picture.Pixel(x, y), kUnpainted) << int(type) << " " << x << "," << y;
                }
    }
}

TEST(BoxStrips, EveryStyleButFrameCoversItsWholeWidth) {
    for (HBOX_Types type : kAllTypes) {
        if (type == HBOX_Frame) continue;
        const HBitmap picture = Drawn(type);
        const int width = TC_BoxWidth(type);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                if (InRing(x, y, width)) {
                    ASSERT_NE(picture.Pixel(x, y), kUnpainted) << int(type) << " " << x << "," << y;
                }
    }
}

TEST(BoxStrips, ARaisedLineIsLightAtTheTopLeftAndDarkAtTheBottomRight) {
    const HBitmap picture = Drawn(HBOX_Raise);
    EXPECT_EQ(picture.Pixel(0, 0), kWhite);
    EXPECT_EQ(picture.Pixel(5, 0), kWhite);
    EXPECT_EQ(picture.Pixel(0, 5), kWhite);
    EXPECT_EQ(picture.Pixel(kSize - 1, 5), kGrey);
    EXPECT_EQ(picture.Pixel(5, kSize - 1), kGrey);
    // The dark edges take the corners they share with the light ones.
    EXPECT_EQ(picture.Pixel(kSize - 1, 0), kGrey);
    EXPECT_EQ(picture.Pixel(0, kSize - 1), kGrey);
}

TEST(BoxStrips, ALoweredLineIsTheRaisedOneInverted) {
    const HBitmap picture = Drawn(HBOX_Lower);
    EXPECT_EQ(picture.Pixel(5, 0), kGrey);
    EXPECT_EQ(picture.Pixel(kSize - 1, 5), kWhite);
}

TEST(BoxStrips, TheBorderStylesUseTheGivenColour) {
    for (HBOX_Types type : {HBOX_Solid, HBOX_Border}) {
        const HBitmap picture = Drawn(type, 0x00FF00);
        EXPECT_EQ(picture.Pixel(0, 0), 0x00FF00u);
        EXPECT_EQ(picture.Pixel(kSize - 1, kSize - 1), 0x00FF00u);
        EXPECT_EQ(picture.Pixel(1, 1), kUnpainted);
    }
}

TEST(BoxStrips, AFrameIsAWhiteOutlineOverAShiftedBlackOne) {
    const HBitmap picture = Drawn(HBOX_Frame);
    EXPECT_EQ(picture.Pixel(0, 5), kWhite);
    EXPECT_EQ(picture.Pixel(1, 5), kBlack);
    EXPECT_EQ(picture.Pixel(kSize - 1, 5), kBlack);
    EXPECT_EQ(picture.Pixel(kSize - 2, 5), kWhite);
    EXPECT_EQ(picture.Pixel(5, kSize - 2), kWhite);
}

TEST(BoxStrips, AHeavyBoxGoesFromABlackOutlineInToALoweredLine) {
    const HBitmap picture = Drawn(HBOX_HeavyBox);
    const uint32_t topEdge[] = {kBlack, kWhite, kSilver, kSilver, kGrey};
    for (int ring = 0; ring < 5; ++ring) EXPECT_EQ(picture.Pixel(10, ring), topEdge[ring]) << ring;
    EXPECT_EQ(picture.Pixel(10, kSize - 5), kWhite);
    EXPECT_EQ(picture.Pixel(10, kSize - 2), kGrey);
}

TEST(BoxStrips, EdgesAlternateGreyAndWhite) {
    const HBitmap up = Drawn(HBOX_EdgeUp), down = Drawn(HBOX_EdgeDown);
    for (int ring = 0; ring < 4; ++ring) {
        EXPECT_EQ(up.Pixel(10, ring), ring % 2 ? kWhite : kGrey);
        EXPECT_EQ(down.Pixel(ring, 10), ring % 2 ? kGrey : kWhite);
    }
}

TEST(BoxStrips, NothingIsDrawnForNoneAndNull) {
    EXPECT_TRUE(BoxStrips({0, 0, 10, 10}, 0, HBOX_None).empty());
    EXPECT_TRUE(BoxStrips({0, 0, 10, 10}, 0, HBOX_Null).empty());
}

TEST(BoxStrips, ARectangleTooSmallForTheFrameGivesNoEmptyStrips) {
    for (HBOX_Types type : kAllTypes)
        for (const HBoxStrip& strip : BoxStrips({5, 5, 7, 6}, 0, type)) {
            EXPECT_LT(strip.Area.Left, strip.Area.Right);
            EXPECT_LT(strip.Area.Top, strip.Area.Bottom);
            EXPECT_GE(strip.Area.Left, 5);
            EXPECT_LE(strip.Area.Right, 7);
            EXPECT_LE(strip.Area.Bottom, 6);
        }
    EXPECT_TRUE(BoxStrips({5, 5, 5, 9}, 0, HBOX_HeavyBox).empty());
}
