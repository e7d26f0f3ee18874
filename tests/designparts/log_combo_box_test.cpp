// The component list's entries: each carries its object through adding, sorting, deleting
// and the destruction of the object, and the list streams with its texts.
#include "components/visual/logcombo/h_log_combo_box.h"

#include <gtest/gtest.h>

#include "stream_helpers.h"
#include "support/framework/exceptions.h"
#include "support/framework/std_controls.h"

namespace {
class LogComboEntries : public ::testing::Test {
protected:
    TComponent owner{nullptr};
    HLogComboBox& box = *new HLogComboBox(&owner);
    TLabel& label = *new TLabel(&owner);
    TEdit& edit = *new TEdit(&owner);
};

TEST_F(LogComboEntries, EachEntryCarriesTheObjectItWasAddedWith) {
    box.AddItem("TLabel : Label1", &label);
    box.AddItem("TEdit : Edit1", &edit);
    box.AddItem("note", nullptr);
    EXPECT_EQ(box.Objects(0), &label);
    EXPECT_EQ(box.Objects(1), &edit);
    EXPECT_EQ(box.Objects(2), nullptr);
    EXPECT_EQ(box.IndexOfObject(&edit), 1);
    box.SetItemIndex(1);
    EXPECT_EQ(box.SelectedObject(), &edit);
    EXPECT_EQ(box.GetItems()->Count(), 3);
    EXPECT_EQ(box.ItemText(0), "TLabel : Label1");
}

TEST_F(LogComboEntries, DeletingAnEntryMovesTheLaterObjectsAndTheChoiceWithIt) {
    box.AddItem("a", &label);
    box.AddItem("b", &edit);
    box.SetItemIndex(1);
    box.Delete(0);
    EXPECT_EQ(box.Objects(0), &edit);
    EXPECT_EQ(box.GetItemIndex(), 0);
    box.Delete(0);
    EXPECT_EQ(box.GetItemIndex(), -1);
    EXPECT_EQ(box.SelectedObject(), nullptr);
}

TEST_F(LogComboEntries, SortingKeepsEveryObjectWithItsTextAndTheChosenEntry) {
    box.AddItem("zeta", &label);
    box.AddItem("Alpha", &edit);
    box.AddItem("beta", nullptr);
    box.SetItemIndex(0);
    box.SetSorted(true);
    EXPECT_EQ(box.ItemText(0), "Alpha");
    EXPECT_EQ(box.Objects(0), &edit);
    EXPECT_EQ(box.ItemText(2), "zeta");
    EXPECT_EQ(box.Objects(2), &label);
    EXPECT_EQ(box.SelectedObject(), &label);
    // Later entries go to their sorted place.
    EXPECT_EQ(box.AddItem("Gamma", &owner), 2);
    EXPECT_EQ(box.SelectedObject(), &label);
}

TEST_F(LogComboEntries, AnEntryWhoseComponentIsDestroyedCarriesNothing) {
    box.AddItem("TEdit : Edit1", &edit);
    box.SetItemIndex(0);
    delete &edit;
    EXPECT_EQ(box.Count(), 1);
    EXPECT_EQ(box.Objects(0), nullptr);
    EXPECT_EQ(box.SelectedObject(), nullptr);
}

TEST_F(LogComboEntries, IndexesOutsideTheListAreRefused) {
    box.AddItem("only", &label);
    EXPECT_THROW(box.SetItemIndex(1), EListError);
    EXPECT_THROW(box.SetItemIndex(-2), EListError);
    EXPECT_THROW(box.Objects(1), EListError);
    EXPECT_THROW(box.Delete(-1), EListError);
    EXPECT_EQ(box.GetItemIndex(), -1);
    box.SetDropDownCount(-5);
    EXPECT_EQ(box.GetDropDownCount(), 1);
}

TEST_F(LogComboEntries, ClearingForgetsEntriesObjectsAndChoice) {
    box.AddItem("a", &label);
    box.SetItemIndex(0);
    box.Clear();
    EXPECT_EQ(box.Count(), 0);
    EXPECT_EQ(box.GetItemIndex(), -1);
    EXPECT_EQ(box.IndexOfObject(&label), -1);
    box.AddItem("b", nullptr);
    EXPECT_EQ(box.Objects(0), nullptr);
}

TEST(LogComboChoice, TheUsersChoiceRunsOnChangeOnceAndOnlyWhenItChanges) {
    HLogComboBox box(nullptr);
    box.AddItem("a", nullptr);
    box.AddItem("b", &box);
    int changes = 0;
    TObject* chosen = nullptr;
    box.OnChange = [&](TObject* sender) {
        ++changes;
        chosen = static_cast<HLogComboBox*>(sender)->SelectedObject();
    };
    box.SelectedInWindow(1);
    box.SelectedInWindow(1);
    box.SelectedInWindow(7);  // a stale index from the window
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(chosen, &box);
    box.SetItemIndex(0);  // the program's own choice is no user's change
    EXPECT_EQ(changes, 1);
}

TEST(LogComboStreaming, ItemsChoiceAndSortingSurviveTheTextForm) {
    HLogComboBox source(nullptr);
    source.SetName("bComp");
    source.AddItem("TLabel : Label1", nullptr);
    source.AddItem("TEdit : Edit1", nullptr);
    source.SetItemIndex(1);
    source.SetDropDownCount(20);
    const std::string text = ComponentText(source);
    EXPECT_NE(text.find("DropDownCount = 20"), std::string::npos) << text;

    HLogComboBox copy(nullptr);
    ReadComponentText(text, copy);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.ItemText(1), "TEdit : Edit1");
    EXPECT_EQ(copy.GetItemIndex(), 1);
    EXPECT_EQ(copy.GetDropDownCount(), 20);
    // Read entries carry no objects, but have a slot for one.
    EXPECT_EQ(copy.Objects(1), nullptr);
    copy.SetObject(1, &source);
    EXPECT_EQ(copy.SelectedObject(), &source);
}
}  // namespace
