#include <gtest/gtest.h>

#include "checker_log.h"
#include "components/visual/menus/h_main_menu.h"

namespace {

using Entries = std::vector<std::string>;
constexpr uint16_t kKeyB = 'B';

TShiftState gModifiers = 0;
TShiftState ReadModifiers() { return gModifiers; }

struct MainMenuChecker : ::testing::Test {
    MainMenuChecker() {
        gModifiers = 0;
        SetModifierKeyReader(&ReadModifiers);
        items.Build(&owner, menu->Items());
        log.WatchOwnChecks(menu->Items(), menu);
        items.B21->SetShortCut(ShortCut(kKeyB, ssCtrl));
        items.B21->OnClick = [this](TObject*) { log.entries.push_back("click"); };
        menu->OnPopup = [this](TObject* sender) {
            popupSenders.push_back(sender);
            log.entries.push_back("popup");
        };
    }
    ~MainMenuChecker() override { SetModifierKeyReader(nullptr); }

    bool PressCtrlB() {
        gModifiers = ssCtrl;
        return menu->IsShortCut({kKeyB, 0x00300001});
    }

    TComponent owner{nullptr};
    HMainMenu* menu = new HMainMenu(&owner);
    NestedItems items;
    CheckerLog log;
    std::vector<TObject*> popupSenders;
};

TEST_F(MainMenuChecker, OpeningASubmenuRunsOnPopupThenTheWholeWalk) {
    menu->OnMenuItemCheck = log.MenuChecker(menu);
    ASSERT_TRUE(menu->DispatchPopup(items.B2));

    EXPECT_EQ(log.entries, (Entries{"popup", "A:own", "A", "B:own", "B", "B1:own", "B1", "B2:own", "B2", "B21:own",
                                    "B21", "C:own", "C"}));
    EXPECT_EQ(popupSenders, (std::vector<TObject*>{items.B2}));
}

TEST_F(MainMenuChecker, WithoutAMenuCheckerOnlyOnPopupRuns) {
    menu->DispatchPopup(items.B);
    EXPECT_EQ(log.entries, (Entries{"popup"}));
}

TEST_F(MainMenuChecker, AnEnabledShortCutClicksOnceAfterCheckingOnlyItsItem) {
    menu->OnMenuItemCheck = log.MenuChecker(menu);
    EXPECT_TRUE(PressCtrlB());
    EXPECT_EQ(log.entries, (Entries{"B21:own", "B21", "click"}));
}

TEST_F(MainMenuChecker, AShortCutTheCheckerDisablesDoesNothing) {
    ASSERT_TRUE(items.B21->GetEnabled());
    menu->OnMenuItemCheck = [](TObject*, TMenuItem* item) { item->SetEnabled(item->GetTag() != 5); };

    EXPECT_FALSE(PressCtrlB());
    EXPECT_EQ(log.entries, (Entries{"B21:own"}));
}

TEST_F(MainMenuChecker, AnItemsOwnCheckerCanDisableItsShortCut) {
    items.B21->OnCheck = [](TObject*, TMenuItem* item) { item->SetEnabled(false); };
    EXPECT_FALSE(PressCtrlB());
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(MainMenuChecker, ADisabledItemTheCheckerEnablesFires) {
    items.B21->SetEnabled(false);
    menu->OnMenuItemCheck = [](TObject*, TMenuItem* item) { item->SetEnabled(true); };
    EXPECT_TRUE(PressCtrlB());
    EXPECT_EQ(log.entries, (Entries{"B21:own", "click"}));
}

TEST_F(MainMenuChecker, AKeyNoItemHasIsNoShortCutAndChecksNothing) {
    menu->OnMenuItemCheck = log.MenuChecker(menu);
    gModifiers = ssShift;
    EXPECT_FALSE(menu->IsShortCut({kKeyB, 0}));
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(MainMenuChecker, ShiftAndCtrlComeFromTheKeyboardAndAltFromTheKeyData) {
    items.B21->SetShortCut(ShortCut(kKeyB, ssShift | ssCtrl | ssAlt));
    gModifiers = ssShift | ssCtrl;
    EXPECT_FALSE(menu->IsShortCut({kKeyB, 0}));
    EXPECT_TRUE(menu->IsShortCut({kKeyB, kKeyDataAltDown}));
    EXPECT_EQ(log.entries, (Entries{"B21:own", "click"}));
}

TEST_F(MainMenuChecker, OnIsShortCutThatDeclinesTheDefaultDecides) {
    int calls = 0;
    menu->OnIsShortCut = [&](TObject* sender, const TKeyMessage& message, bool& callDefault, bool& result) {
        ++calls;
        EXPECT_EQ(sender, menu);
        EXPECT_EQ(message.CharCode, kKeyB);
        EXPECT_TRUE(callDefault);
        callDefault = false;
        result = calls == 1;
    };
    EXPECT_TRUE(PressCtrlB());
    EXPECT_FALSE(PressCtrlB());
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(MainMenuChecker, OnIsShortCutThatKeepsTheDefaultChangesNothing) {
    int calls = 0;
    menu->OnIsShortCut = [&](TObject*, const TKeyMessage&, bool&, bool& result) {
        ++calls;
        result = false;
    };
    EXPECT_TRUE(PressCtrlB());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(log.entries, (Entries{"B21:own", "click"}));
}

TEST(HMenuItemIcon, SetIconCopiesTheImageAndNoListClearsIt) {
    TImageList images(nullptr);
    images.SetSize(2, 2);
    images.Add(TBitmapImage(2, 2, 0xFF0000FF));
    images.Add(TBitmapImage(2, 2, 0xFF00FF00));
    HMenuItem item(nullptr);

    item.SetIcon(&images, 1);
    ASSERT_NE(item.GetBitmap(), nullptr);
    EXPECT_EQ(item.GetBitmap()->Pixel(1, 1), 0xFF00FF00u);
    const TBitmapImage* icon = item.GetBitmap();
    item.SetIcon(&images, 0);
    EXPECT_EQ(item.GetBitmap(), icon);  // the same icon, new pixels
    EXPECT_EQ(icon->Pixel(0, 0), 0xFF0000FFu);

    images.Clear();
    EXPECT_EQ(icon->Pixel(0, 0), 0xFF0000FFu);  // a copy, not the list's image

    EXPECT_THROW(item.SetIcon(&images, 0), EListError);
    EXPECT_EQ(item.GetBitmap(), icon);
    item.SetIcon(nullptr, 0);
    EXPECT_EQ(item.GetBitmap(), nullptr);
}

}  // namespace
