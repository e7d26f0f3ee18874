#include <gtest/gtest.h>

#include "checker_log.h"
#include "components/visual/menus/h_popup_menu.h"

namespace {

using Entries = std::vector<std::string>;

struct PopupChecker : ::testing::Test {
    PopupChecker() {
        items.Build(&owner, menu->Items());
        log.WatchOwnChecks(menu->Items(), menu);
        menu->OnPopup = [this](TObject* sender) {
            popupSenders.push_back(sender);
            log.entries.push_back("popup");
        };
    }
    TComponent owner{nullptr};
    HPopupMenu* menu = new HPopupMenu(&owner);
    NestedItems items;
    CheckerLog log;
    std::vector<TObject*> popupSenders;
};

TEST_F(PopupChecker, ThePopupWalksDepthFirstWithEachItemsOwnCheckerFirst) {
    menu->OnMenuItemCheck = log.MenuChecker(menu);
    menu->Popup(10, 20);

    EXPECT_EQ(log.entries, (Entries{"A:own", "A", "B:own", "B", "B1:own", "B1", "B2:own", "B2", "B21:own", "B21",
                                    "C:own", "C", "popup"}));
    EXPECT_EQ(popupSenders, (std::vector<TObject*>{menu}));
    EXPECT_EQ(menu->PopupPoint().X, 10);
}

TEST_F(PopupChecker, OpeningANestedSubmenuChecksTheWholeMenuOnce) {
    menu->OnMenuItemCheck = log.MenuChecker(menu);
    ASSERT_TRUE(menu->DispatchPopup(items.B2));

    EXPECT_EQ(log.entries, (Entries{"A:own", "A", "B:own", "B", "B1:own", "B1", "B2:own", "B2", "B21:own", "B21",
                                    "C:own", "C", "popup"}));
    EXPECT_EQ(popupSenders, (std::vector<TObject*>{items.B2}));
}

TEST_F(PopupChecker, WithoutAMenuCheckerNothingIsCheckedButOnPopupRuns) {
    items.A->SetEnabled(false);
    menu->Popup(0, 0);

    EXPECT_EQ(log.entries, (Entries{"popup"}));
    EXPECT_FALSE(items.A->GetEnabled());
}

TEST_F(PopupChecker, TheCheckerSetsStateByTag) {
    menu->OnMenuItemCheck = [](TObject*, TMenuItem* item) {
        item->SetEnabled(item->GetTag() != 3);
        item->SetChecked(item->GetTag() == 5);
        item->SetVisible(item->GetTag() != 6);
    };
    menu->Popup(0, 0);

    EXPECT_FALSE(items.B1->GetEnabled());
    EXPECT_TRUE(items.B21->GetChecked());
    EXPECT_FALSE(items.C->GetVisible());
    EXPECT_TRUE(items.A->GetEnabled());
}

TEST_F(PopupChecker, AnItemWithSubItemsAddedLaterOpensThroughTheChecker) {
    menu->OnMenuItemCheck = log.MenuChecker(menu);
    HMenuItem* late = AddItem(&owner, menu->Items(), "Late");
    AddItem(&owner, late, "Late1");
    log.entries.clear();
    menu->DispatchPopup(late);

    EXPECT_EQ(log.entries.size(), 15u);  // 12 entries of the first items, Late, Late1, popup
    EXPECT_EQ(popupSenders, (std::vector<TObject*>{late}));
}

TEST_F(PopupChecker, AFormsOnClickOfASubmenuItemIsReplaced) {
    int formClicks = 0;
    items.B->OnClick = [&](TObject*) { ++formClicks; };
    AddItem(&owner, items.B, "B3");  // the next change routes the submenu again
    menu->DispatchPopup(items.B);

    EXPECT_EQ(formClicks, 0);
    EXPECT_EQ(popupSenders, (std::vector<TObject*>{items.B}));
}

TEST_F(PopupChecker, PlainItemsKeepTheirOnClick) {
    int clicks = 0;
    items.A->OnClick = [&](TObject*) { ++clicks; };
    AddItem(&owner, items.B, "B3");
    menu->DispatchCommand(items.A->Command());
    EXPECT_EQ(clicks, 1);
}

TEST_F(PopupChecker, CheckersMayRemoveAndAddItems) {
    bool added = false;
    menu->OnMenuItemCheck = [&](TObject*, TMenuItem* item) {
        log.entries.push_back(item->GetCaption());
        if (item == items.B1) delete items.B2;  // the rest of B's submenu goes
        if (item == items.C && !added) {
            added = true;
            AddItem(&owner, menu->Items(), "D");
        }
    };
    menu->Popup(0, 0);

    EXPECT_EQ(log.entries, (Entries{"A:own", "A", "B:own", "B", "B1:own", "B1", "C:own", "C", "D", "popup"}));
}

TEST_F(PopupChecker, AnItemCheckerThatRemovesItsItemSkipsTheMenuChecker) {
    menu->OnMenuItemCheck = log.MenuChecker(menu);
    items.A->OnCheck = [this](TObject*, TMenuItem*) { delete items.A; };
    menu->Popup(0, 0);

    EXPECT_EQ(log.entries.front(), "B:own");
    EXPECT_EQ(menu->Items()->Count(), 2);
}

}  // namespace
