// Where the palette tab puts its buttons, and how small it may become.
#include <algorithm>

#include "components/visual/palette/bottons_tab.h"
#include "palette_fixture.h"

namespace {
class BottonsLayoutTest : public PaletteFixture {
protected:
    BottonsLayoutTest() {
        tab = new HBottonsTab(&form);
        tab->SetParent(&form);
        tab->SetBounds(8, 8, 300, 64);
        tab->SetButtonVMargin(3);
        tab->SetButtonHMargin(2);
        ShowForm();
    }
    HTabButton& Button(int index) { return *tab->GetButton(index); }
    static int Right(const TControl& c) { return c.GetLeft() + c.GetWidth(); }
    static int Bottom(const TControl& c) { return c.GetTop() + c.GetHeight(); }

    HBottonsTab* tab;
};

TEST_F(BottonsLayoutTest, SquareButtonsFillTheDisplayAreaBetweenTheVerticalMargins) {
    tab->SetButtonsCount(3);
    const TRect display = tab->DisplayRect();
    ASSERT_GT(display.Bottom - display.Top, 20);
    for (int i = -BTN_SELECT; i < 3; ++i) {
        if (i == -BTN_LEFT || i == -BTN_RIGHT) continue;
        EXPECT_EQ(Button(i).GetTop(), display.Top + 3) << i;
        EXPECT_EQ(Bottom(Button(i)), display.Bottom - 3) << i;
        EXPECT_EQ(Button(i).GetWidth(), Button(i).GetHeight()) << i;
    }
    EXPECT_EQ(Button(-BTN_LEFT).GetHeight(), Button(0).GetHeight());
    EXPECT_EQ(Button(-BTN_LEFT).GetWidth(), 10);
}

TEST_F(BottonsLayoutTest, SelectLeftArrowAndPaletteButtonsFollowEachOtherWithTheGap) {
    tab->SetButtonsCount(3);
    EXPECT_EQ(Button(-BTN_SELECT).GetLeft(), 2);
    EXPECT_EQ(Button(-BTN_LEFT).GetLeft(), Right(Button(-BTN_SELECT)) + 2);
    EXPECT_EQ(Button(0).GetLeft(), Right(Button(-BTN_LEFT)) + 2);
    EXPECT_EQ(Button(1).GetLeft(), Right(Button(0)) + 2);
    EXPECT_EQ(Button(2).GetLeft(), Right(Button(1)) + 2);
}

TEST_F(BottonsLayoutTest, TheRightArrowEndsTheRowAndNoShownButtonReachesIt) {
    tab->SetButtonsCount(30);
    const TRect display = tab->DisplayRect();
    const HTabButton& arrow = Button(-BTN_RIGHT);
    // A gap before the arrow and one after it, both kept from the width of the display area.
    EXPECT_EQ(Right(arrow), display.Right - display.Left - 2 * 2);
    int shown = 0;
    for (int i = 0; i < 30; ++i) {
        if (!Button(i).GetVisible()) {
            // The first button left out would not have left the gap before the arrow.
            EXPECT_GT(Right(Button(i)) + 2, arrow.GetLeft());
            break;
        }
        EXPECT_LE(Right(Button(i)) + 2, arrow.GetLeft());
        ++shown;
    }
    EXPECT_GT(shown, 3);
    EXPECT_LT(shown, 30);
}

TEST_F(BottonsLayoutTest, WithoutTheSelectButtonTheRowStartsWithTheLeftArrow) {
    tab->SetButtonsCount(2);
    tab->SetSelectVisible(false);
    EXPECT_FALSE(Button(-BTN_SELECT).GetVisible());
    EXPECT_EQ(Button(-BTN_LEFT).GetLeft(), 2);
    EXPECT_EQ(Button(0).GetLeft(), Right(Button(-BTN_LEFT)) + 2);
    tab->SetSelectVisible(true);
    EXPECT_TRUE(Button(-BTN_SELECT).GetVisible());
}

TEST_F(BottonsLayoutTest, AFixedButtonSizeIsKept) {
    tab->SetButtonsCount(2);
    tab->SetButtonHeight(16);
    EXPECT_EQ(Button(0).GetWidth(), 16);
    EXPECT_EQ(Button(0).GetHeight(), 16);
    EXPECT_EQ(Button(-BTN_RIGHT).GetHeight(), 16);
}

TEST_F(BottonsLayoutTest, ARowWithoutPagesMakesRoomForTheTabRow) {
    tab->SetButtonsCount(1);
    tab->SetTabHeight(6);
    TRect display = tab->DisplayRect();
    EXPECT_EQ(Button(0).GetTop(), display.Top + 3 + 6);
    EXPECT_EQ(Bottom(Button(0)), display.Bottom - 3);
    tab->AddPage("Keys");
    display = tab->DisplayRect();
    EXPECT_EQ(Button(0).GetTop(), display.Top + 3);
    EXPECT_EQ(Bottom(Button(0)), display.Bottom - 3);
}

TEST_F(BottonsLayoutTest, ResizingLaysTheRowOutAgain) {
    tab->SetButtonsCount(30);
    const int arrow = Button(-BTN_RIGHT).GetLeft();
    tab->SetWidth(400);
    EXPECT_EQ(Button(-BTN_RIGHT).GetLeft(), arrow + 100);
}

TEST_F(BottonsLayoutTest, ScrollingStopsAtTheLastButton) {
    tab->SetButtonsCount(3);
    tab->SetButtonFirst(10);
    EXPECT_EQ(tab->GetButtonFirst(), 2);
    tab->SetButtonFirst(-4);
    EXPECT_EQ(tab->GetButtonFirst(), 0);
}

// The minimum: the part outside the display area, the margins and room for a small row.
TEST_F(BottonsLayoutTest, TheTabCannotBeMadeSmallerThanItsRowNeeds) {
    const int frameHeight = tab->GetHeight() - (tab->DisplayRect().Bottom - tab->DisplayRect().Top);
    const int frameWidth = tab->GetWidth() - (tab->DisplayRect().Right - tab->DisplayRect().Left);
    const int minHeight = frameHeight + 2 * 3 + 12;
    const int minWidth = frameWidth + 2 * 2 + 2 * 10 + minHeight + 10;
    tab->SetBounds(8, 8, 5, 5);
    EXPECT_EQ(tab->GetWidth(), minWidth);
    EXPECT_EQ(tab->GetHeight(), minHeight);
    tab->SetBounds(8, 8, 500, 2);
    EXPECT_EQ(tab->GetWidth(), minWidth);
    EXPECT_EQ(tab->GetHeight(), minHeight);
    tab->SetBounds(8, 8, 500, 90);
    EXPECT_EQ(tab->GetWidth(), 500);
    EXPECT_EQ(tab->GetHeight(), 90);
}
}  // namespace
