// The flat menu painter: the size it asks for each item, and which menus it paints.
#include "components/visual/xpmenu/xp_menu.h"

#include <gtest/gtest.h>

#include "components/visual/menus/h_main_menu.h"
#include "components/visual/menus/h_popup_menu.h"
#include "stream_helpers.h"

namespace {
// Every character 6 pixels wide and 13 high.
TTextExtent FixedWidth(const std::string& text) { return {static_cast<int>(text.size()) * 6, 13}; }

class XPMenuSizes : public ::testing::Test {
protected:
    XPMenuSizes() {
        item.SetCaption("&Open");
        line.SetCaption("-");
    }
    TXPMenu painter{nullptr};
    TMenuItem item{nullptr};
    TMenuItem line{nullptr};
};

TEST_F(XPMenuSizes, AnItemIsAsHighAsItsIconColumnNeedsAndAsWideAsItsTexts) {
    const TTextExtent plain = painter.MeasureItem(item, nullptr, FixedWidth);
    EXPECT_EQ(plain.Height, 24);
    item.SetShortCut(ShortCut('O', ssCtrl));
    const TTextExtent withShortCut = painter.MeasureItem(item, nullptr, FixedWidth);
    EXPECT_EQ(withShortCut.Height, plain.Height);
    EXPECT_GE(withShortCut.Width, plain.Width + 6 * 6);  // "Ctrl+O" and a gap
}

TEST_F(XPMenuSizes, TheIconColumnWidthAndATallPictureEnlargeTheItem) {
    const TTextExtent narrow = painter.MeasureItem(item, nullptr, FixedWidth);
    painter.SetIconWidth(40);
    const TTextExtent wide = painter.MeasureItem(item, nullptr, FixedWidth);
    EXPECT_EQ(wide.Width - narrow.Width, 16);
    EXPECT_GT(wide.Height, narrow.Height);
    painter.SetIconWidth(2);
    EXPECT_EQ(painter.GetIconWidth(), 16);

    painter.SetIconWidth(24);
    const TBitmapImage tall(16, 32);
    EXPECT_EQ(painter.MeasureItem(item, &tall, FixedWidth).Height, 36);
}

TEST_F(XPMenuSizes, SeparatorsAreThinWhateverTheFont) {
    const TTextExtent size = painter.MeasureItem(line, nullptr, [](const std::string&) { return TTextExtent{500, 40}; });
    EXPECT_EQ(size.Height, 3);
    EXPECT_LT(size.Width, 500);
}

TEST(XPMenuMenus, ActiveItPaintsTheMenusOfItsOwnerAndAttachedOnes) {
    TComponent form(nullptr);
    auto* mainMenu = new HMainMenu(&form);
    auto* popup = new HPopupMenu(&form);
    HPopupMenu stranger(nullptr);
    auto* painter = new TXPMenu(&form);
    painter->Attach(&stranger);
    EXPECT_TRUE(painter->PaintedMenus().empty());
    painter->SetActive(true);
    EXPECT_EQ(painter->PaintedMenus(), (std::vector<TMenu*>{&stranger, mainMenu, popup}));

    delete popup;
    EXPECT_EQ(painter->PaintedMenus(), (std::vector<TMenu*>{&stranger, mainMenu}));
    painter->SetActive(false);
    EXPECT_TRUE(painter->PaintedMenus().empty());
}

TEST(XPMenuMenus, TheLookSurvivesTheTextForm) {
    TXPMenu painter(nullptr);
    painter.SetName("XPMenu1");
    painter.SetIconWidth(28);
    painter.SetSelectColor(clYellow);
    painter.SetActive(true);
    TXPMenu copy(nullptr);
    ReadComponentText(ComponentText(painter), copy);
    EXPECT_EQ(copy.GetIconWidth(), 28);
    EXPECT_EQ(copy.GetSelectColor(), clYellow);
    EXPECT_TRUE(copy.GetActive());
    EXPECT_EQ(copy.GetFont()->GetName(), "Tahoma");
}
}  // namespace
