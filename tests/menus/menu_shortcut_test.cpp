#include <gtest/gtest.h>

#include "support/menus/menu.h"
#include "support/menus/menu_item_text.h"

namespace {

constexpr uint16_t kKeyS = 'S';
TShiftState gModifiers = 0;
TShiftState ReadModifiers() { return gModifiers; }

struct MenuShortCuts : ::testing::Test {
    MenuShortCuts() {
        gModifiers = 0;
        SetModifierKeyReader(&ReadModifiers);
        save = new TMenuItem(&owner);
        save->SetCaption("Save");
        save->SetShortCut(ShortCut(kKeyS, ssCtrl));
        save->OnClick = [this](TObject*) { ++saves; };
        auto* file = new TMenuItem(&owner);
        file->SetCaption("File");
        file->Add(save);
        menu.Items()->Add(file);
    }
    ~MenuShortCuts() override { SetModifierKeyReader(nullptr); }

    TComponent owner{nullptr};
    TMenu menu{&owner};
    TMenuItem* save;
    int saves = 0;
};

TEST(MenuItemText, ShowsTheShortCutAfterATab) {
    TMenuItem item(nullptr);
    item.SetCaption("&Save");
    EXPECT_EQ(MenuItemText(item), "&Save");
    item.SetShortCut(ShortCut(kKeyS, ssCtrl | ssShift));
    EXPECT_EQ(MenuItemText(item), "&Save\tShift+Ctrl+S");
    EXPECT_EQ(MenuTextCaption(MenuItemText(item)), "&Save");
    EXPECT_EQ(MenuTextShortCut(MenuItemText(item)), "Shift+Ctrl+S");
    EXPECT_EQ(MenuTextShortCut("Plain"), "");
}

TEST_F(MenuShortCuts, AKeyWithTheModifiersDownClicksTheItemInASubmenu) {
    gModifiers = ssCtrl;
    EXPECT_TRUE(menu.IsShortCut({kKeyS, 0}));
    EXPECT_EQ(saves, 1);
}

TEST_F(MenuShortCuts, OtherModifiersFormAnotherShortCut) {
    EXPECT_FALSE(menu.IsShortCut({kKeyS, 0}));
    gModifiers = ssCtrl | ssShift;
    EXPECT_FALSE(menu.IsShortCut({kKeyS, 0}));
    gModifiers = ssCtrl;
    EXPECT_FALSE(menu.IsShortCut({kKeyS, kKeyDataAltDown}));
    EXPECT_EQ(saves, 0);
}

TEST_F(MenuShortCuts, AltComesFromTheKeyData) {
    save->SetShortCut(ShortCut(kKeyS, ssAlt));
    EXPECT_TRUE(menu.IsShortCut({kKeyS, kKeyDataAltDown | 0x1F0001}));
    EXPECT_EQ(saves, 1);
}

TEST_F(MenuShortCuts, ADisabledItemDoesNotFire) {
    save->SetEnabled(false);
    gModifiers = ssCtrl;
    EXPECT_FALSE(menu.IsShortCut({kKeyS, 0}));
    EXPECT_EQ(saves, 0);
}

TEST_F(MenuShortCuts, ItemsWithoutAShortCutNeverMatch) {
    EXPECT_EQ(menu.FindItemByShortCut(0), nullptr);
    EXPECT_EQ(menu.FindItemByShortCut(ShortCut(kKeyS, ssCtrl)), save);
}

}  // namespace
