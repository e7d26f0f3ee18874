#include <gtest/gtest.h>

#include <memory>

#include "support/menus/menu.h"

namespace {

struct MenuItemTree : ::testing::Test {
    TComponent owner{nullptr};
    TMenu menu{&owner};
    TMenuItem* Item(const std::string& caption, TMenuItem* parent) {
        auto* item = new TMenuItem(&owner);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
};

TEST_F(MenuItemTree, InsertPutsItemsAtTheirIndex) {
    TMenuItem* a = Item("A", menu.Items());
    TMenuItem* c = Item("C", menu.Items());
    auto* b = new TMenuItem(&owner);
    menu.Items()->Insert(1, b);

    ASSERT_EQ(menu.Items()->Count(), 3);
    EXPECT_EQ(menu.Items()->Items(0), a);
    EXPECT_EQ(menu.Items()->Items(1), b);
    EXPECT_EQ(menu.Items()->Items(2), c);
    EXPECT_EQ(b->Parent(), menu.Items());
    EXPECT_EQ(b->MenuIndex(), 1);
    EXPECT_EQ(b->GetMenu(), &menu);
}

TEST_F(MenuItemTree, DeleteDetachesWithoutDestroying) {
    TMenuItem* a = Item("A", menu.Items());
    menu.Items()->Delete(0);

    EXPECT_EQ(menu.Items()->Count(), 0);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(a->GetMenu(), nullptr);
    EXPECT_EQ(owner.ComponentCount(), 2);  // the menu and the item, still owned
}

TEST_F(MenuItemTree, ClearDestroysSubItemsAtAnyDepth) {
    TMenuItem* file = Item("File", menu.Items());
    Item("Open", Item("Recent", file));
    const int before = owner.ComponentCount();
    file->Clear();

    EXPECT_EQ(file->Count(), 0);
    EXPECT_EQ(owner.ComponentCount(), before - 2);
}

TEST_F(MenuItemTree, DestroyingAnItemTakesItOutOfItsParent) {
    TMenuItem* a = Item("A", menu.Items());
    TMenuItem* b = Item("B", menu.Items());
    delete a;

    ASSERT_EQ(menu.Items()->Count(), 1);
    EXPECT_EQ(menu.Items()->Items(0), b);
}

TEST_F(MenuItemTree, BadInsertionsRaise) {
    TMenuItem* a = Item("A", menu.Items());
    TMenuItem* sub = Item("Sub", a);
    auto* loose = new TMenuItem(&owner);

    EXPECT_THROW(menu.Items()->Add(sub), EMenuError);       // has a parent already
    EXPECT_THROW(sub->Add(a), EMenuError);                  // would hold its own parent
    EXPECT_THROW(a->Insert(5, loose), EMenuError);          // index out of range
    EXPECT_THROW(a->Insert(-1, loose), EMenuError);
    EXPECT_THROW(a->Add(menu.Items()), EMenuError);         // a menu's root
    EXPECT_THROW(a->Items(1), EMenuError);
    EXPECT_THROW(a->Delete(3), EMenuError);
    EXPECT_EQ(a->Count(), 1);
    EXPECT_EQ(loose->Parent(), nullptr);
}

TEST_F(MenuItemTree, CommandsAreUniqueAndFindTheirItem) {
    TMenuItem* a = Item("A", menu.Items());
    TMenuItem* b = Item("B", menu.Items());
    EXPECT_NE(a->Command(), b->Command());
    EXPECT_GT(a->Command(), 0);
    EXPECT_LE(a->Command(), 0xFFFF);
    EXPECT_EQ(FindMenuItemByCommand(a->Command()), a);

    const int command = b->Command();
    delete b;
    EXPECT_EQ(FindMenuItemByCommand(command), nullptr);
}

TEST_F(MenuItemTree, DispatchCommandClicksOnlyItemsOfThatMenu) {
    TMenuItem* a = Item("A", menu.Items());
    int clicks = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    TMenu other(&owner);

    EXPECT_FALSE(other.DispatchCommand(a->Command()));
    EXPECT_TRUE(menu.DispatchCommand(a->Command()));
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuItemTree, ADisabledItemIgnoresClicks) {
    TMenuItem* a = Item("A", menu.Items());
    int clicks = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    a->SetEnabled(false);
    a->Click();
    EXPECT_EQ(clicks, 0);
}

TEST_F(MenuItemTree, CheckingARadioItemUnchecksItsGroupOnly) {
    TMenuItem* small = Item("Small", menu.Items());
    TMenuItem* large = Item("Large", menu.Items());
    TMenuItem* other = Item("Other group", menu.Items());
    for (TMenuItem* item : {small, large, other}) item->SetRadioItem(true);
    other->SetGroupIndex(1);
    other->SetChecked(true);
    small->SetChecked(true);
    large->SetChecked(true);

    EXPECT_FALSE(small->GetChecked());
    EXPECT_TRUE(large->GetChecked());
    EXPECT_TRUE(other->GetChecked());
}

TEST_F(MenuItemTree, ChangesReachTheMenuWithTheirKind) {
    TMenuItem* a = Item("A", menu.Items());
    std::vector<std::pair<TMenuItem*, bool>> changes;
    menu.OnChange = [&](TObject*, TMenuItem* source, bool rebuild) { changes.emplace_back(source, rebuild); };

    a->SetCaption("B");
    a->SetCaption("B");  // unchanged: no notification
    a->SetVisible(false);
    Item("Sub", a);

    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0], std::make_pair(a, false));
    EXPECT_EQ(changes[1], std::make_pair(a, true));
    EXPECT_EQ(changes[2], std::make_pair(a, true));
}

}  // namespace
