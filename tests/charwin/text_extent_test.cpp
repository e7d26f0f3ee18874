#include <gtest/gtest.h>

#include "runtime/chars/text_extent.h"

namespace {

TFont FontOfSize(int points) {
    TFont font;
    font.SetName("Verdana");
    font.SetSize(points);
    return font;
}

TEST(MeasuringText, ALongerTextIsWider) {
    const TFont font = FontOfSize(12);
    EXPECT_GT(MeasureText("WWWW", font).X, MeasureText("W", font).X);
    EXPECT_EQ(MeasureText("WWWW", font).Y, MeasureText("W", font).Y);
}

TEST(MeasuringText, ALargerFontIsTallerAndWider) {
    EXPECT_GT(MeasureText("A", FontOfSize(36)).Y, MeasureText("A", FontOfSize(10)).Y);
    EXPECT_GT(MeasureText("A", FontOfSize(36)).X, MeasureText("A", FontOfSize(10)).X);
}

TEST(MeasuringText, AnEmptyTextHasNoWidthButALineHeight) {
    const TPoint size = MeasureText("", FontOfSize(12));
    EXPECT_EQ(size.X, 0);
    EXPECT_GT(size.Y, 0);
}

TEST(FittingALabel, SizesItToItsCaptionAndKeepsItsPlace) {
    TLabel label(nullptr);
    label.SetBounds(7, 9, 1, 1);
    label.GetFont()->SetSize(24);
    label.SetCaption("Hello");
    FitLabelToCaption(label);
    const TPoint expected = MeasureText("Hello", *label.GetFont());
    EXPECT_EQ(label.GetWidth(), expected.X);
    EXPECT_EQ(label.GetHeight(), expected.Y);
    EXPECT_EQ(label.GetLeft(), 7);
    EXPECT_EQ(label.GetTop(), 9);
}

}  // namespace
