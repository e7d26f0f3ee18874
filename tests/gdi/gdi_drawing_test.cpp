#include <windows.h>

#include <gtest/gtest.h>

#include "support/gdi/box_draw_win32.h"
#include "support/gdi/dib_win32.h"
#include "support/gdi/gdi_blt_win32.h"

namespace {
constexpr uint32_t kUnpainted = 0x123456, kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;

// A 40 × 30 canvas of kUnpainted pixels.
class Canvas : public ::testing::Test {
protected:
    Canvas() {
        const RECT all{0, 0, 40, 30};
        const HBRUSH brush = CreateSolidBrush(kUnpainted);
        FillRect(dib.Dc(), &all, brush);
        DeleteObject(brush);
        // A 4 × 2 picture: red left half, blue right half.
        picture.SetSize(4, 2);
        picture.FillRect({0, 0, 2, 2}, kRed);
        picture.FillRect({2, 0, 4, 2}, kBlue);
    }
    HBitmap Drawn() const { return dib.ToBitmap(); }

    TDibSection dib{40, 30};
    HBitmap picture;
};
}  // namespace

TEST_F(Canvas, CropDrawsAtTheCornerAtTheOwnSizeAndLeavesTheRest) {
    GDI_Blt(dib.Dc(), &picture, {10, 10, 30, 20}, HBT_Crop, kGreen);
    const HBitmap drawn = Drawn();
    EXPECT_EQ(drawn.Pixel(10, 10), kRed);
    EXPECT_EQ(drawn.Pixel(13, 11), kBlue);
    EXPECT_EQ(drawn.Pixel(14, 10), kUnpainted);
    EXPECT_EQ(drawn.Pixel(10, 12), kUnpainted);
}

TEST_F(Canvas, StretchCoversTheArea) {
    GDI_Blt(dib.Dc(), &picture, {10, 10, 30, 20}, HBT_Stretch, kGreen);
    const HBitmap drawn = Drawn();
    EXPECT_EQ(drawn.Pixel(10, 10), kRed);
    EXPECT_EQ(drawn.Pixel(19, 19), kRed);
    EXPECT_EQ(drawn.Pixel(29, 19), kBlue);
    EXPECT_EQ(drawn.Pixel(30, 19), kUnpainted);
    EXPECT_EQ(drawn.Pixel(10, 20), kUnpainted);
}

TEST_F(Canvas, CenterDrawsInTheMiddle) {
    GDI_Blt(dib.Dc(), &picture, {10, 10, 30, 20}, HBT_Center, kGreen);
    const HBitmap drawn = Drawn();
    EXPECT_EQ(drawn.Pixel(18, 14), kRed);
    EXPECT_EQ(drawn.Pixel(21, 15), kBlue);
    EXPECT_EQ(drawn.Pixel(17, 14), kUnpainted);
    EXPECT_EQ(drawn.Pixel(18, 16), kUnpainted);
}

TEST_F(Canvas, TilesRepeatFromMultiplesOfThePictureSizeAndStayInTheArea) {
    GDI_Blt(dib.Dc(), &picture, {3, 3, 30, 20}, HBT_Tile, kGreen);
    const HBitmap drawn = Drawn();
    EXPECT_EQ(drawn.Pixel(3, 3), kBlue);  // the tile at 0 has its blue half from 2 to 4
    EXPECT_EQ(drawn.Pixel(4, 3), kRed);
    EXPECT_EQ(drawn.Pixel(29, 19), kRed);  // 28..29 red, 30 blue
    EXPECT_EQ(drawn.Pixel(30, 19), kUnpainted);
    EXPECT_EQ(drawn.Pixel(2, 3), kUnpainted);
}

TEST_F(Canvas, RatioStretchKeepsTheShapeAndCentres) {
    // 20 × 10 over 4 × 2 is 500 % both ways; 500 % of 4 × 2 fills it exactly, so use a wider area.
    GDI_Blt(dib.Dc(), &picture, {0, 10, 40, 20}, HBT_RatioStretch, kGreen);
    const HBitmap drawn = Drawn();
    EXPECT_EQ(drawn.Pixel(10, 15), kRed);
    EXPECT_EQ(drawn.Pixel(29, 15), kBlue);
    EXPECT_EQ(drawn.Pixel(9, 15), kUnpainted);
    EXPECT_EQ(drawn.Pixel(30, 15), kUnpainted);
}

TEST_F(Canvas, AnEmptyOrMissingPictureFillsTheAreaWithTheColour) {
    const HBitmap empty;
    GDI_Blt(dib.Dc(), &empty, {0, 0, 10, 10}, HBT_Tile, kGreen);
    GDI_Blt(dib.Dc(), nullptr, {20, 20, 30, 30}, HBT_Center, kRed);
    const HBitmap drawn = Drawn();
    EXPECT_EQ(drawn.Pixel(9, 9), kGreen);
    EXPECT_EQ(drawn.Pixel(10, 10), kUnpainted);
    EXPECT_EQ(drawn.Pixel(25, 25), kRed);
}

TEST_F(Canvas, TheFrameDrawnOnADeviceMatchesItsStrips) {
    for (int type = HBOX_Raise; type <= HBOX_EdgeDown; ++type) {
        HBitmap expected = Drawn();
        for (const HBoxStrip& strip : BoxStrips({0, 0, 40, 30}, kGreen, static_cast<HBOX_Types>(type)))
            expected.FillRect(strip.Area, static_cast<uint32_t>(strip.Color));
        HAPICanvas canvas;
        canvas.SetHDC(dib.Dc(), 40, 30);
        EXPECT_EQ(canvas.Handle(), dib.Dc());
        TC_Box(canvas, {0, 0, 40, 30}, kGreen, static_cast<HBOX_Types>(type));
        canvas.SetHDC(nullptr, 0, 0);
        EXPECT_EQ(canvas.Handle(), nullptr);
        EXPECT_TRUE(Drawn() == expected) << type;
    }
}

TEST_F(Canvas, APictureSurvivesTheRoundTripThroughADeviceSection) {
    const TDibSection copy(picture);
    EXPECT_TRUE(copy.ToBitmap() == picture);
}
