// The palette buttons of the palette tab: choosing, counting, scrolling and their pictures.
#include <vector>

#include "components/visual/palette/bottons_tab.h"
#include "palette_fixture.h"
#include "support/framework/exceptions.h"
#include "support/framework/reader.h"
#include "support/framework/stream.h"
#include "support/framework/writer.h"
#include "support/menus/image_list.h"

namespace {
class BottonsTabTest : public PaletteFixture {
protected:
    BottonsTabTest() {
        images.SetSize(16, 16);
        for (int i = 0; i < 40; ++i) images.Add(TBitmapImage(16, 16, 0xFF000000u | static_cast<uint32_t>(i)));
        tab = new HBottonsTab(&form);
        tab->SetParent(&form);
        tab->SetBounds(8, 8, 400, 60);
        tab->SetButtonImages(&images);
        tab->OnButtonSelect = [this](TObject*) { selections.push_back(tab->GetButtonIndex()); };
        ShowForm();
    }
    HTabButton& Select() { return *tab->GetButton(-BTN_SELECT); }
    HTabButton& Left() { return *tab->GetButton(-BTN_LEFT); }
    HTabButton& Right() { return *tab->GetButton(-BTN_RIGHT); }
    std::vector<HTabButton*> DownButtons() {
        std::vector<HTabButton*> down;
        for (int i = -BTN_RIGHT; i < tab->GetButtonsCount(); ++i)
            if (tab->GetButton(i)->GetDown()) down.push_back(tab->GetButton(i));
        return down;
    }

    TImageList images{nullptr};
    HBottonsTab* tab;
    std::vector<int> selections;
};

TEST_F(BottonsTabTest, ANewTabHasOnlyTheSelectButtonDown) {
    EXPECT_EQ(tab->GetButtonsCount(), 0);
    EXPECT_EQ(tab->GetButtonIndex(), -1);
    EXPECT_EQ(DownButtons(), std::vector<HTabButton*>{&Select()});
    EXPECT_EQ(tab->GetButton(0), nullptr);
    EXPECT_EQ(tab->GetButton(-4), nullptr);
}

TEST_F(BottonsTabTest, PressingAPaletteButtonChoosesItAndReleasesTheOneDownBefore) {
    tab->SetButtonsCount(5);
    ClickControl(*tab->GetButton(2));
    EXPECT_EQ(tab->GetButtonIndex(), 2);
    EXPECT_EQ(DownButtons(), std::vector<HTabButton*>{tab->GetButton(2)});
    ClickControl(*tab->GetButton(4));
    EXPECT_EQ(tab->GetButtonIndex(), 4);
    EXPECT_EQ(DownButtons(), std::vector<HTabButton*>{tab->GetButton(4)});
    ClickControl(Select());
    EXPECT_EQ(tab->GetButtonIndex(), -1);
    EXPECT_EQ(DownButtons(), std::vector<HTabButton*>{&Select()});
    EXPECT_EQ(selections, (std::vector<int>{2, 4, -1}));
}

TEST_F(BottonsTabTest, ThePointerOverAButtonBelongsToTheTabAndNotToItsParent) {
    tab->SetButtonsCount(3);
    HTabButton& button = *tab->GetButton(1);
    const TPoint centre = button.ClientToScreen({button.GetWidth() / 2, button.GetHeight() / 2});
    EXPECT_EQ(SendMessageW(static_cast<HWND>(tab->Handle()), WM_NCHITTEST, 0, MAKELPARAM(centre.X, centre.Y)), HTCLIENT)
        << "a real click would reach the form instead of the button";
}

TEST_F(BottonsTabTest, PressingTheChosenButtonAgainKeepsItChosen) {
    tab->SetButtonsCount(3);
    ClickControl(*tab->GetButton(1));
    ClickControl(*tab->GetButton(1));
    EXPECT_EQ(tab->GetButtonIndex(), 1);
    EXPECT_TRUE(tab->GetButton(1)->GetDown());
    EXPECT_EQ(selections, std::vector<int>{1});
}

TEST_F(BottonsTabTest, ButtonIndexIsBroughtWithinTheButtons) {
    tab->SetButtonsCount(4);
    tab->SetButtonIndex(99);
    EXPECT_EQ(tab->GetButtonIndex(), 3);
    EXPECT_TRUE(tab->GetButton(3)->GetDown());
    tab->SetButtonIndex(-7);
    EXPECT_EQ(tab->GetButtonIndex(), -1);
    EXPECT_TRUE(Select().GetDown());
}

TEST_F(BottonsTabTest, FewerButtonsThanTheChosenIndexClearTheChoice) {
    tab->SetButtonsCount(6);
    tab->SetButtonIndex(4);
    std::vector<int> destroyed;
    tab->OnButtonDestroyed = [&](TObject* sender, HTabButton* button) {
        EXPECT_EQ(sender, tab);
        destroyed.push_back(button->GetTag());
    };
    tab->SetButtonsCount(2);
    EXPECT_EQ(destroyed, (std::vector<int>{8, 7, 6, 5}));
    EXPECT_EQ(tab->GetButtonIndex(), -1);
    EXPECT_TRUE(Select().GetDown());
}

TEST_F(BottonsTabTest, TheChoiceGoesWithItsButtonAlsoWithoutAWindow) {
    HBottonsTab windowless(nullptr);
    windowless.SetButtonsCount(3);
    windowless.SetButtonIndex(2);
    windowless.SetButtonsCount(1);
    EXPECT_EQ(windowless.GetButtonIndex(), -1);
    EXPECT_TRUE(windowless.GetButton(-BTN_SELECT)->GetDown());
}

TEST_F(BottonsTabTest, NewPaletteButtonsAreAnnouncedAndShowTheirOwnImage) {
    std::vector<HTabButton*> created;
    tab->OnButtonCreated = [&](TObject*, HTabButton* button) { created.push_back(button); };
    tab->SetButtonsCount(3);
    ASSERT_EQ(created.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(created[static_cast<size_t>(i)], tab->GetButton(i));
        EXPECT_EQ(tab->GetButton(i)->GetTag(), i + 3);
        EXPECT_EQ(tab->GetButton(i)->GetImages(), &images);
        EXPECT_EQ(tab->GetButton(i)->GetImageIndex(), i);
        // The glyph is the image's colour 0x0000ii in the bitmap's 0x00BBGGRR order.
        EXPECT_EQ(tab->GetButton(i)->GetGlyph()->Pixel(5, 5), static_cast<uint32_t>(i) << 16);
    }
}

TEST_F(BottonsTabTest, ANegativeCountIsRefusedAndChangesNothing) {
    tab->SetButtonsCount(2);
    EXPECT_THROW(tab->SetButtonsCount(-1), EInvalidOperation);
    EXPECT_EQ(tab->GetButtonsCount(), 2);
    EXPECT_NE(tab->GetButton(-BTN_SELECT), nullptr);
    EXPECT_NE(tab->GetButton(-BTN_RIGHT), nullptr);
}

TEST_F(BottonsTabTest, TheRightArrowScrollsARowThatDoesNotFit) {
    tab->SetButtonsCount(40);
    EXPECT_TRUE(Right().GetEnabled());
    EXPECT_FALSE(Left().GetEnabled());
    const int firstPlace = tab->GetButton(0)->GetLeft();
    ClickControl(Right());
    EXPECT_EQ(tab->GetButtonFirst(), 1);
    EXPECT_FALSE(tab->GetButton(0)->GetVisible());
    EXPECT_EQ(tab->GetButton(1)->GetLeft(), firstPlace);
    EXPECT_TRUE(Left().GetEnabled());
    ClickControl(Left());
    EXPECT_EQ(tab->GetButtonFirst(), 0);
    EXPECT_TRUE(tab->GetButton(0)->GetVisible());
    EXPECT_FALSE(Left().GetEnabled());
}

TEST_F(BottonsTabTest, ARowThatFitsCannotScroll) {
    tab->SetButtonsCount(3);
    EXPECT_FALSE(Right().GetEnabled());
    EXPECT_FALSE(Left().GetEnabled());
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(tab->GetButton(i)->GetVisible());
}

TEST_F(BottonsTabTest, TheArrowsAreNeverDown) {
    tab->SetButtonsCount(40);
    ClickControl(Right());
    EXPECT_FALSE(Right().GetDown());
    EXPECT_EQ(DownButtons(), std::vector<HTabButton*>{&Select()});
}

TEST_F(BottonsTabTest, FlatAndOpaqueReachTheButtonsTheyAreFor) {
    tab->SetButtonsCount(2);
    tab->SetButtonFlat(false);
    EXPECT_FALSE(Select().GetFlat());
    EXPECT_FALSE(tab->GetButton(1)->GetFlat());
    EXPECT_TRUE(Left().GetFlat());
    tab->SetButtonOpaque(false);
    for (int i = -BTN_RIGHT; i < 2; ++i) EXPECT_FALSE(tab->GetButton(i)->GetOpaque());
    tab->SetButtonsCount(3);
    EXPECT_FALSE(tab->GetButton(2)->GetFlat());
    EXPECT_FALSE(tab->GetButton(2)->GetOpaque());
}

TEST_F(BottonsTabTest, AnImageListThatGoesAwayLeavesTheButtonsWithoutPictures) {
    auto* owned = new TImageList(&form);
    owned->SetSize(16, 16);
    owned->Add(TBitmapImage(16, 16, 0xFF123456u));
    tab->SetButtonsCount(1);
    tab->SetButtonImages(owned);
    EXPECT_FALSE(tab->GetButton(0)->GetGlyph()->Empty());
    delete owned;
    EXPECT_EQ(tab->GetButtonImages(), nullptr);
    EXPECT_EQ(tab->GetButton(0)->GetImages(), nullptr);
    EXPECT_TRUE(tab->GetButton(0)->GetGlyph()->Empty());
}

// The system pictures: an arrow on magenta, which the list takes as transparent.
TEST_F(BottonsTabTest, TheSystemImagesComeFromTheResourceOnATransparentBackground) {
    const TImageList& system = tab->SystemImages();
    ASSERT_EQ(system.Count(), 3);
    EXPECT_EQ(system.GetWidth(), 18);
    EXPECT_EQ(system.GetHeight(), 18);
    for (int i = 0; i < 3; ++i) {
        const TBitmapImage& image = system.Image(i);
        int transparent = 0, opaque = 0;
        for (uint32_t pixel : image.Pixels()) ++(pixel >> 24 == 0 ? transparent : opaque);
        EXPECT_EQ(image.Pixel(0, 0) >> 24, 0u) << "image " << i;
        EXPECT_EQ(image.Pixel(17, 17) >> 24, 0u) << "image " << i;
        EXPECT_GT(opaque, 20) << "image " << i;
        EXPECT_GT(transparent, opaque) << "image " << i;
    }
    // The arrows point their own ways: the left one is widest at its right side.
    auto column = [](const TBitmapImage& image, int x) {
        int count = 0;
        for (int y = 0; y < 18; ++y) count += image.Pixel(x, y) >> 24 != 0;
        return count;
    };
    EXPECT_LT(column(system.Image(1), 6), column(system.Image(1), 10));
    EXPECT_GT(column(system.Image(2), 6), column(system.Image(2), 10));
}

TEST_F(BottonsTabTest, TheSpecialButtonsShowTheSystemImagesWithMagentaLeftOut) {
    EXPECT_EQ(Select().GetImages(), &tab->SystemImages());
    EXPECT_EQ(Select().GetImageIndex(), 0);
    EXPECT_EQ(Left().GetImageIndex(), 1);
    EXPECT_EQ(Right().GetImageIndex(), 2);
    EXPECT_EQ(Select().GetGlyphMask()->Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(Left().GetGlyphMask()->Pixel(8, 9), 0u);
}
}  // namespace

namespace {
// A tab written alone and read into a new one: its settings come back, its buttons are made
// again by the count instead of being read as children.
TEST_F(BottonsTabTest, AStreamKeepsTheSettingsAndMakesTheButtonsAgain) {
    tab->SetName("buttons");
    tab->SetButtonsCount(5);
    tab->SetButtonIndex(2);
    tab->SetArrowsSize(12);
    tab->SetSelectVisible(false);
    tab->SetPageCount(2);
    tab->SetPageIndex(1);
    tab->SetButtonIndex(3);
    TMemoryStream stream;
    TWriter writer(stream);
    writer.WriteRootComponent(tab);
    stream.SetPosition(0);

    HBottonsTab copy(nullptr);
    TReader reader(stream);
    reader.ReadRootComponent(&copy);
    EXPECT_EQ(copy.GetButtonsCount(), 5);
    EXPECT_EQ(copy.ControlCount(), 8);
    EXPECT_EQ(copy.GetButtonIndex(), 3);
    EXPECT_TRUE(copy.GetButton(3)->GetDown());
    EXPECT_EQ(copy.GetArrowsSize(), 12);
    EXPECT_FALSE(copy.GetSelectVisible());
    EXPECT_EQ(copy.GetPageCount(), 2);
    EXPECT_EQ(copy.GetPageIndex(), 1);
}
}  // namespace
