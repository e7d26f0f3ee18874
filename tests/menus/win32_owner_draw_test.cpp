#include "win32_menu_fixture.h"

namespace {

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kOpaqueRed = 0xFFFF0000;

class OwnerDrawnItems : public MenuFormFixture {
protected:
    OwnerDrawnItems() {
        images.SetSize(24, 24);
        TBitmapImage picture(24, 24, kOpaqueRed);
        for (int x = 0; x < 24; ++x) picture.SetPixel(x, 0, kMagenta);  // a transparent top row
        images.Add(picture);
        menu->SetImages(&images);
    }

    MEASUREITEMSTRUCT Measure(const TMenuItem& item) {
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = static_cast<UINT>(item.Command());
        measure.itemData = static_cast<ULONG_PTR>(item.Command());
        EXPECT_TRUE(Send(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
        return measure;
    }

    TImageList images{&form};
};

TEST_F(OwnerDrawnItems, AnItemWithAnIconIsOwnerDrawnAndKeepsItsText) {
    EXPECT_EQ(EntryType(FileMenu(), 0) & MFT_OWNERDRAW, 0u);
    open->SetIcon(&images, 0);
    EXPECT_NE(EntryType(FileMenu(), 0) & MFT_OWNERDRAW, 0u);
    EXPECT_EQ(EntryText(FileMenu(), 0), L"&Open");
    open->SetIcon(nullptr, 0);
    EXPECT_EQ(EntryType(FileMenu(), 0) & MFT_OWNERDRAW, 0u);
}

TEST_F(OwnerDrawnItems, ItemsOnTheBarStayDrawnByTheSystem) {
    menu->SetOwnerDraw(true);
    EXPECT_EQ(EntryType(Bar(), 0) & MFT_OWNERDRAW, 0u);
    EXPECT_NE(EntryType(FileMenu(), 2) & MFT_OWNERDRAW, 0u);
}

TEST_F(OwnerDrawnItems, TheIconSetsTheHeightAndTheShortCutAddsWidth) {
    open->SetIcon(&images, 0);
    const MEASUREITEMSTRUCT plain = Measure(*open);
    EXPECT_EQ(plain.itemHeight, static_cast<UINT>(24 + 2 * kMenuImageMargin));

    open->SetShortCut(ShortCut('O', ssCtrl));
    const MEASUREITEMSTRUCT withShortCut = Measure(*open);
    EXPECT_GT(withShortCut.itemWidth, plain.itemWidth + kMenuShortCutGap);
}

TEST_F(OwnerDrawnItems, MeasuringAnItemOfAnotherMenuIsLeftToTheWindow) {
    HMainMenu other(nullptr);
    HMenuItem* stranger = AddItem(&other, other.Items(), "Stranger");
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = static_cast<ULONG_PTR>(stranger->Command());
    Send(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemWidth, 0u);
}

TEST_F(OwnerDrawnItems, DrawingPutsTheIconWithItsTransparencyInTheGutter) {
    open->SetIcon(&images, 0);
    const MEASUREITEMSTRUCT size = Measure(*open);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP canvas = CreateCompatibleBitmap(screen, static_cast<int>(size.itemWidth), static_cast<int>(size.itemHeight));
    ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = SelectObject(dc, canvas);

    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = static_cast<UINT>(open->Command());
    draw.itemData = static_cast<ULONG_PTR>(open->Command());
    draw.hDC = dc;
    draw.rcItem = {0, 0, static_cast<LONG>(size.itemWidth), static_cast<LONG>(size.itemHeight)};
    EXPECT_TRUE(Send(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));

    const TMenuItemLayout layout = LayOutMenuItem({0, 0, static_cast<int>(size.itemWidth), static_cast<int>(size.itemHeight)},
                                                  menu->ItemImage(*open));
    EXPECT_EQ(GetPixel(dc, layout.Image.Left + 5, layout.Image.Top + 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, layout.Image.Left + 5, layout.Image.Top), GetSysColor(COLOR_MENU));
    EXPECT_EQ(GetPixel(dc, static_cast<int>(size.itemWidth) - 2, 1), GetSysColor(COLOR_MENU));

    SelectObject(dc, previous);
    DeleteObject(canvas);
    DeleteDC(dc);
}

}  // namespace
