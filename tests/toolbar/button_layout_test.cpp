#include <gtest/gtest.h>

#include "components/visual/toolbar/button_layout.h"

namespace {
const TRect kClient{0, 0, 100, 40};

TEST(ButtonLayout, WithoutMarginThePairIsCentredWithItsSpacing) {
    const TButtonParts parts = LayoutButtonParts(kClient, {16, 16}, {30, 10}, blGlyphLeft, -1, 4);

    EXPECT_EQ(parts.Glyph.Left, 25);
    EXPECT_EQ(parts.Text.Left, 25 + 16 + 4);
    EXPECT_EQ(parts.Glyph.Top, 12);
    EXPECT_EQ(parts.Text.Top, 15);
}

TEST(ButtonLayout, AMarginPutsTheGlyphThatFarFromItsEdge) {
    const TButtonParts left = LayoutButtonParts(kClient, {16, 16}, {30, 10}, blGlyphLeft, 3, 4);
    EXPECT_EQ(left.Glyph.Left, 3);
    EXPECT_EQ(left.Text.Left, 23);

    const TButtonParts right = LayoutButtonParts(kClient, {16, 16}, {30, 10}, blGlyphRight, 3, 4);
    EXPECT_EQ(right.Glyph.Right, 97);
    EXPECT_EQ(right.Text.Right, 97 - 16 - 4);
}

TEST(ButtonLayout, VerticalLayoutsStackGlyphAndText) {
    const TButtonParts top = LayoutButtonParts({0, 0, 40, 100}, {16, 16}, {30, 10}, blGlyphTop, 2, 4);
    EXPECT_EQ(top.Glyph.Top, 2);
    EXPECT_EQ(top.Text.Top, 22);
    EXPECT_EQ(top.Glyph.Left, 12);
    EXPECT_EQ(top.Text.Left, 5);

    const TButtonParts bottom = LayoutButtonParts({0, 0, 40, 100}, {16, 16}, {30, 10}, blGlyphBottom, 2, 4);
    EXPECT_EQ(bottom.Glyph.Bottom, 98);
    EXPECT_EQ(bottom.Text.Bottom, 98 - 16 - 4);
}

TEST(ButtonLayout, TextAloneIsCentredWithoutSpacing) {
    const TButtonParts parts = LayoutButtonParts(kClient, {}, {30, 10}, blGlyphLeft, -1, 4);

    EXPECT_EQ(parts.Text.Left, 35);
    EXPECT_EQ(parts.Text.Right, 65);
    EXPECT_EQ(parts.Glyph.Right - parts.Glyph.Left, 0);
}

TEST(ButtonLayout, WithoutSpacingTheTextIsCentredInWhatTheGlyphLeaves) {
    const TButtonParts parts = LayoutButtonParts(kClient, {16, 16}, {30, 10}, blGlyphLeft, 4, -1);

    EXPECT_EQ(parts.Glyph.Left, 4);
    EXPECT_EQ(parts.Text.Left, 4 + 16 + 25);
}

TEST(ButtonLayout, PartsAreOffsetByTheClientOrigin) {
    const TButtonParts parts = LayoutButtonParts({10, 20, 110, 60}, {16, 16}, {}, blGlyphLeft, -1, 4);

    EXPECT_EQ(parts.Glyph.Left, 10 + 42);
    EXPECT_EQ(parts.Glyph.Top, 20 + 12);
}
}  // namespace
