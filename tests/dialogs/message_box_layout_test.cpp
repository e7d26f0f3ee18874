#include "support/dialogs/core/message_box_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
XMBMeasures Measures(int textWidth, int textHeight, int buttons) {
    XMBMeasures m;
    m.TextWidth = textWidth;
    m.TextHeight = textHeight;
    m.ButtonCount = buttons;
    return m;
}

TEST(MessageBoxWrapWidth, HalfTheScreenPlus100LessTheIcon) {
    EXPECT_EQ(XMBTextWrapWidth(1024, 0), 612);
    EXPECT_EQ(XMBTextWrapWidth(1024, 32), 564);
    EXPECT_GE(XMBTextWrapWidth(-1000, 32), 1);
}

TEST(MessageBoxLayout, TextStartsAt16And16AndGrowsBy28And21) {
    XMBLayout layout = XMBLayoutPixels(Measures(300, 26, 1));
    EXPECT_EQ(layout.Text, (XMBRect{16, 16, 328, 47}));
    EXPECT_EQ(layout.Icon, XMBRect{});
}

TEST(MessageBoxLayout, AnIconSitsAt8In8AFrame10LargerAndPushesTheText) {
    XMBMeasures m = Measures(300, 26, 1);
    m.IconWidth = 32;
    m.IconHeight = 32;
    XMBLayout layout = XMBLayoutPixels(m);
    EXPECT_EQ(layout.Icon, (XMBRect{8, 8, 42, 42}));
    EXPECT_EQ(layout.Text.Left, 16 + 32 + 8);
}

TEST(MessageBoxLayout, ButtonsAre82By23Every88In8BelowTheText) {
    XMBLayout layout = XMBLayoutPixels(Measures(400, 26, 3));
    ASSERT_EQ(layout.ButtonCount, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(layout.Buttons[i].Width, 82);
        EXPECT_EQ(layout.Buttons[i].Height, 23);
        EXPECT_EQ(layout.Buttons[i].Top, layout.Text.Bottom() + 8);
    }
    EXPECT_EQ(layout.Buttons[1].Left - layout.Buttons[0].Left, 88);
    EXPECT_EQ(layout.Buttons[2].Left - layout.Buttons[1].Left, 88);
}

TEST(MessageBoxLayout, ButtonsGoBelowATallIcon) {
    XMBMeasures m = Measures(100, 5, 1);
    m.IconWidth = 48;
    m.IconHeight = 48;
    XMBLayout layout = XMBLayoutPixels(m);
    EXPECT_EQ(layout.Buttons[0].Top, layout.Icon.Bottom() + 8);
}

TEST(MessageBoxLayout, TheRowIsCentred) {
    XMBLayout layout = XMBLayoutPixels(Measures(600, 26, 2));
    int left = layout.Buttons[0].Left;
    int right = layout.Dialog.Width - layout.Buttons[1].Right();
    EXPECT_LE(std::abs(left - right), 1);
}

TEST(MessageBoxLayout, TheDialogIsAtLeastTheRowPlus32Wide) {
    XMBLayout layout = XMBLayoutPixels(Measures(10, 13, 5));
    EXPECT_EQ(layout.Dialog.Width, 4 * 88 + 82 + 32);
    EXPECT_EQ(layout.Buttons[0].Left, 16);
}

TEST(MessageBoxLayout, TheDialogEnds8BelowTheButtonsAndIsAtLeast70High) {
    XMBLayout layout = XMBLayoutPixels(Measures(0, 0, 1));
    EXPECT_GE(layout.Dialog.Height, 70);
    layout = XMBLayoutPixels(Measures(100, 300, 1));
    EXPECT_EQ(layout.Dialog.Height, layout.Buttons[0].Bottom() + 8);
}

TEST(MessageBoxLayout, TheCheckBoxSits35BelowTheRowAtX17ATextAndAThirdWide) {
    XMBMeasures m = Measures(300, 26, 2);
    m.CheckBoxTextWidth = 120;
    XMBLayout layout = XMBLayoutPixels(m);
    EXPECT_EQ(layout.CheckBox, (XMBRect{17, layout.Buttons[0].Top + 35, 160, 16}));
    EXPECT_GT(layout.Dialog.Height, layout.CheckBox.Bottom());
}

TEST(MessageBoxLayout, AShortMessageStillShowsAllOfTheCheckBox) {
    XMBMeasures m = Measures(10, 13, 1);
    m.CheckBoxTextWidth = 300;
    XMBLayout layout = XMBLayoutPixels(m);
    EXPECT_GT(layout.Dialog.Width, layout.CheckBox.Right());
}

TEST(MessageBoxLayout, AbsurdSizesStayBounded) {
    XMBMeasures m = Measures(INT_MAX, INT_MAX, 100);
    m.IconWidth = INT_MAX;
    m.IconHeight = INT_MAX;
    m.CheckBoxTextWidth = INT_MAX;
    XMBLayout layout = XMBLayoutPixels(m);
    EXPECT_EQ(layout.ButtonCount, kXMBMaxButtons);
    EXPECT_GT(layout.Dialog.Width, 0);
    EXPECT_GT(layout.Dialog.Height, 0);
    layout = XMBLayoutPixels(Measures(-5, -5, -1));
    EXPECT_EQ(layout.ButtonCount, 0);
    EXPECT_EQ(layout.Text.Width, 28);
}

TEST(MessageBoxDialogUnits, PixelsTimes4And8OverTheBaseUnits) {
    EXPECT_EQ(XMBToDialogUnits({16, 16, 82, 23}, 6, 13), (XMBRect{10, 9, 54, 14}));
    EXPECT_EQ(XMBToDialogUnits({8, 8, 88, 70}, 8, 16), (XMBRect{4, 4, 44, 35}));
}

TEST(MessageBoxDialogUnits, LimitedToWhatATemplateHolds) {
    XMBRect units = XMBToDialogUnits({0, 0, 1 << 20, 1 << 20}, 1, 1);
    EXPECT_EQ(units.Width, 32767);
    EXPECT_EQ(units.Height, 32767);
    EXPECT_EQ(XMBToDialogUnits({5, 5, 5, 5}, 0, 0), XMBRect{});
}
}  // namespace
