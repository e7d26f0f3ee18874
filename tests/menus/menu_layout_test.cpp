#include <gtest/gtest.h>

#include "support/menus/menu_item_layout.h"

namespace {

// Every character 7 pixels wide, lines 13 pixels high.
TTextExtent FixedWidth(const std::string& text) { return {static_cast<int>(text.size()) * 7, 13}; }

constexpr int kGutter = kMenuCheckSide + 2 * kMenuImageMargin;

TEST(MenuItemMeasure, ACaptionAloneTakesGutterCaptionAndArrowRoom) {
    TMenuItem item(nullptr);
    item.SetCaption("Open");
    const TTextExtent size = MeasureMenuItem(item, nullptr, &FixedWidth);
    EXPECT_EQ(size.Width, kGutter + kMenuTextMargin + 28 + kMenuArrowRoom);
    EXPECT_EQ(size.Height, std::max(13 + 2 * kMenuTextMargin, kMenuCheckSide + 2 * kMenuImageMargin));
}

TEST(MenuItemMeasure, TheShortCutIsMeasuredApartAfterAGap) {
    TMenuItem item(nullptr);
    item.SetCaption("Open");
    item.SetShortCut(ShortCut('O', ssCtrl));  // "Ctrl+O": 6 characters
    const TTextExtent size = MeasureMenuItem(item, nullptr, &FixedWidth);
    EXPECT_EQ(size.Width, kGutter + kMenuTextMargin + 28 + kMenuShortCutGap + 42 + kMenuArrowRoom);
}

TEST(MenuItemMeasure, ATallPictureSetsTheHeightAndAWideOneTheGutter) {
    TMenuItem item(nullptr);
    item.SetCaption("Open");
    const TBitmapImage picture(32, 24);
    const TTextExtent size = MeasureMenuItem(item, &picture, &FixedWidth);
    EXPECT_EQ(size.Height, 24 + 2 * kMenuImageMargin);
    EXPECT_EQ(size.Width, 32 + 2 * kMenuImageMargin + kMenuTextMargin + 28 + kMenuArrowRoom);
}

TEST(MenuItemMeasure, SeparatorsAreThinAndIgnoreText) {
    TMenuItem item(nullptr);
    item.SetCaption("-");
    EXPECT_EQ(MeasureMenuItem(item, nullptr, &FixedWidth).Height, kMenuSeparatorHeight);
}

TEST(MenuItemLayout, ThePictureIsCentredInTheGutter) {
    const TBitmapImage picture(16, 16);
    const TMenuItemLayout layout = LayOutMenuItem({10, 100, 210, 130}, &picture);
    EXPECT_EQ(layout.Image.Left, 10 + kMenuImageMargin);
    EXPECT_EQ(layout.Image.Top, 107);
    EXPECT_EQ(layout.Image.Bottom, 123);
    EXPECT_EQ(layout.Caption.Left, layout.Gutter.Right + kMenuTextMargin);
    EXPECT_EQ(layout.Caption.Right, 210 - kMenuArrowRoom);
}

TEST(MenuItemLayout, ANarrowItemGetsNoNegativeTextRoom) {
    const TMenuItemLayout layout = LayOutMenuItem({0, 0, 10, 20}, nullptr);
    EXPECT_GE(layout.Caption.Right, layout.Caption.Left);
}

}  // namespace
