// The flat menu painter on a form's menu: the sizes the window is told and the pixels of
// drawn items in a bitmap.
#include <gtest/gtest.h>

#include "components/visual/xpmenu/xp_menu.h"
#include "support/win32/gdi_color.h"
#include "tests/menus/win32_menu_fixture.h"
#include "window_pixels_win32.h"

namespace {
constexpr uint32_t kOpaqueGreen = 0xFF00FF00;

class XPMenuDrawing : public MenuFormFixture {
protected:
    XPMenuDrawing() {
        images.SetSize(16, 16);
        images.Add(TBitmapImage(16, 16, kOpaqueGreen));
        menu->SetImages(&images);
        painter->SetDisabledColor(clRed);
    }

    MEASUREITEMSTRUCT Measure(const TMenuItem& item) {
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = static_cast<UINT>(item.Command());
        measure.itemData = static_cast<ULONG_PTR>(item.Command());
        Send(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        return measure;
    }

    // Draws item in a bitmap of the size the painter asked for.
    std::unique_ptr<TWindowPixels> Draw(const TMenuItem& item, UINT state, int width = 0) {
        const MEASUREITEMSTRUCT size = Measure(item);
        width = width ? width : static_cast<int>(size.itemWidth);
        height = static_cast<int>(size.itemHeight);
        auto pixels = std::make_unique<TWindowPixels>(nullptr, width, height);
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = static_cast<UINT>(item.Command());
        draw.itemData = static_cast<ULONG_PTR>(item.Command());
        draw.itemState = state;
        draw.hDC = pixels->Dc();
        draw.rcItem = {0, 0, width, height};
        EXPECT_TRUE(Send(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
        return pixels;
    }

    static int Reddish(const TWindowPixels& pixels, int left, int right, int height) {
        int count = 0;
        for (int x = left; x < right; ++x)
            for (int y = 0; y < height; ++y) {
                const COLORREF c = pixels.At(x, y);
                count += GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100;
            }
        return count;
    }

    TImageList images{&form};
    TXPMenu* painter = new TXPMenu(&form);
    int height = 0;
};

TEST_F(XPMenuDrawing, AnActivePainterSetsTheItemSizesAndGivesThemBackWhenItGoes) {
    const MEASUREITEMSTRUCT standard = Measure(*open);
    painter->SetActive(true);
    EXPECT_NE(EntryType(FileMenu(), 0) & MFT_OWNERDRAW, 0u);
    const MEASUREITEMSTRUCT flat = Measure(*open);
    EXPECT_EQ(flat.itemHeight, 24u);
    EXPECT_GT(flat.itemWidth, 24u + 8u);
    painter->SetIconWidth(32);
    EXPECT_EQ(Measure(*open).itemWidth, flat.itemWidth + 8);

    delete painter;
    painter = nullptr;
    const MEASUREITEMSTRUCT after = Measure(*open);
    EXPECT_EQ(after.itemHeight, standard.itemHeight);
    EXPECT_EQ(after.itemWidth, standard.itemWidth);
    EXPECT_EQ(EntryType(FileMenu(), 0) & MFT_OWNERDRAW, 0u);
}

TEST_F(XPMenuDrawing, ThePlainItemHasTheIconColumnAndTheMenuColour) {
    painter->SetActive(true);
    const auto pixels = Draw(*save, 0);
    EXPECT_EQ(pixels->At(2, 2), ColorRefOf(painter->GetIconBackColor()));
    EXPECT_EQ(pixels->At(23, height - 2), ColorRefOf(painter->GetIconBackColor()));
    EXPECT_EQ(pixels->At(24, height - 2), ColorRefOf(painter->GetColor()));
    EXPECT_EQ(Reddish(*pixels, 24, 80, height), 0);
}

TEST_F(XPMenuDrawing, TheSelectedItemIsFilledAndFramed) {
    painter->SetActive(true);
    const auto pixels = Draw(*save, ODS_SELECTED, 200);
    EXPECT_EQ(pixels->At(0, 0), ColorRefOf(painter->GetSelectBorderColor()));
    EXPECT_EQ(pixels->At(199, height - 1), ColorRefOf(painter->GetSelectBorderColor()));
    EXPECT_EQ(pixels->At(2, 2), ColorRefOf(painter->GetSelectColor()));
    EXPECT_EQ(pixels->At(195, height / 2), ColorRefOf(painter->GetSelectColor()));
}

TEST_F(XPMenuDrawing, ADisabledItemIsWrittenInTheDisabledColourAndNeverSelected) {
    painter->SetActive(true);
    const auto pixels = Draw(*save, ODS_SELECTED | ODS_GRAYED, 200);
    EXPECT_GT(Reddish(*pixels, 24, 120, height), 5);
    EXPECT_EQ(pixels->At(195, height / 2), ColorRefOf(painter->GetColor()));
}

TEST_F(XPMenuDrawing, TheIconIsCentredInItsColumnAndACheckedOneIsBoxed) {
    painter->SetActive(true);
    open->SetIcon(&images, 0);
    open->SetChecked(true);
    const auto pixels = Draw(*open, 0);
    EXPECT_EQ(pixels->At(12, height / 2), RGB(0, 255, 0));
    // The box around a checked icon: its frame, then a pixel of its colour, then the picture.
    const int boxLeft = (24 - 20) / 2, boxTop = (height - 20) / 2;
    EXPECT_EQ(pixels->At(boxLeft, boxTop + 9), ColorRefOf(painter->GetSelectBorderColor()));
    EXPECT_EQ(pixels->At(boxLeft + 1, boxTop + 1), ColorRefOf(painter->GetCheckedColor()));
}

TEST_F(XPMenuDrawing, ACheckedItemWithoutIconGetsATick) {
    painter->SetActive(true);
    save->SetChecked(true);
    const auto pixels = Draw(*save, 0);
    int ink = 0;
    for (int x = 6; x < 18; ++x)
        for (int y = 0; y < height; ++y) ink += pixels->At(x, y) == RGB(0, 0, 0);
    EXPECT_GT(ink, 6);
    save->SetChecked(false);
    const auto plain = Draw(*save, 0);
    EXPECT_EQ(plain->At(12, height / 2), ColorRefOf(painter->GetIconBackColor()));
}
}  // namespace
