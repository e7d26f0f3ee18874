// The pages of the palette tab and the user's tab changes.
#include <windows.h>

#include <commctrl.h>

#include "components/visual/palette/bottons_tab.h"
#include "palette_fixture.h"
#include "support/framework/exceptions.h"

namespace {
class BottonsPagesTest : public PaletteFixture {
protected:
    BottonsPagesTest() {
        tab = new HBottonsTab(&form);
        tab->SetParent(&form);
        tab->SetBounds(8, 8, 400, 80);
        tab->SetButtonsCount(4);
        tab->OnPageSelect = [this](TObject*) { pageSelects.push_back(tab->GetPageIndex()); };
        tab->OnChange = [this](TObject*) { ++changes; };
        ShowForm();
    }
    int WindowTab() { return static_cast<int>(SendMessageW(WndOf(*tab), TCM_GETCURSEL, 0, 0)); }

    HBottonsTab* tab;
    std::vector<int> pageSelects;
    int changes = 0;
};

TEST_F(BottonsPagesTest, TheFirstPageAddedIsSelectedAndCaptionsAreUnique) {
    EXPECT_TRUE(tab->AddPage("Keys"));
    EXPECT_TRUE(tab->AddPage("Commands"));
    EXPECT_FALSE(tab->AddPage("Keys"));
    EXPECT_EQ(tab->GetPageCount(), 2);
    EXPECT_EQ(tab->GetPageIndex(), 0);
    EXPECT_EQ(pageSelects, std::vector<int>{0});
    EXPECT_EQ(tab->LocatePage("Commands"), 1);
    EXPECT_EQ(tab->LocatePage("Other"), -1);
    EXPECT_EQ(SendMessageW(WndOf(*tab), TCM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(BottonsPagesTest, SelectingAPageAlwaysClearsTheButtonSelection) {
    tab->AddPage("A");
    tab->AddPage("B");
    tab->SetButtonIndex(2);
    tab->SetPageIndex(1);
    EXPECT_EQ(tab->GetButtonIndex(), -1);
    EXPECT_EQ(WindowTab(), 1);
    tab->SetButtonIndex(3);
    tab->SetPageIndex(1);
    EXPECT_EQ(tab->GetButtonIndex(), -1);
    EXPECT_EQ(pageSelects, (std::vector<int>{0, 1, 1}));
}

TEST_F(BottonsPagesTest, PageIndexIsBroughtWithinThePages) {
    tab->SetPageIndex(3);
    EXPECT_EQ(tab->GetPageIndex(), -1);
    tab->SetPageCount(3);
    tab->SetPageIndex(9);
    EXPECT_EQ(tab->GetPageIndex(), 2);
    tab->SetPageIndex(-5);
    EXPECT_EQ(tab->GetPageIndex(), 0);
}

TEST_F(BottonsPagesTest, DeletingTheSelectedPageSelectsTheOneBefore) {
    for (const char* name : {"A", "B", "C"}) tab->AddPage(name);
    tab->SetPageIndex(2);
    EXPECT_TRUE(tab->DeletePage("C"));
    EXPECT_EQ(tab->GetPageIndex(), 1);
    tab->SetPageIndex(0);
    EXPECT_TRUE(tab->DeletePage(0));
    EXPECT_EQ(tab->GetPageIndex(), 0);
    EXPECT_EQ(tab->GetPage(0), "B");
    EXPECT_TRUE(tab->DeletePage(0));
    EXPECT_EQ(tab->GetPageIndex(), -1);
    EXPECT_FALSE(tab->DeletePage(0));
    EXPECT_FALSE(tab->DeletePage("A"));
}

TEST_F(BottonsPagesTest, DeletingAPageBeforeTheSelectedOneKeepsThatPageSelected) {
    for (const char* name : {"A", "B", "C"}) tab->AddPage(name);
    tab->SetPageIndex(2);
    pageSelects.clear();
    EXPECT_TRUE(tab->DeletePage(0));
    EXPECT_EQ(tab->GetPageIndex(), 1);
    EXPECT_EQ(tab->GetPage(tab->GetPageIndex()), "C");
    EXPECT_EQ(WindowTab(), 1);
    EXPECT_TRUE(pageSelects.empty());
}

TEST_F(BottonsPagesTest, PageCountCutsAtTheEndOrAddsEmptyPages) {
    tab->AddPage("A");
    tab->AddPage("B");
    tab->SetPageIndex(1);
    tab->SetPageCount(4);
    EXPECT_EQ(tab->GetPage(3), "");
    EXPECT_EQ(tab->GetPageIndex(), 1);
    tab->SetPageCount(1);
    EXPECT_EQ(tab->GetPageCount(), 1);
    EXPECT_EQ(tab->GetPageIndex(), 0);
    EXPECT_THROW(tab->SetPageCount(-2), EInvalidOperation);
    EXPECT_EQ(tab->GetPageCount(), 1);
}

TEST_F(BottonsPagesTest, CaptionsAreReadAndRenamedByIndex) {
    tab->AddPage("A");
    tab->SetPage(0, "Keys");
    EXPECT_EQ(tab->GetPage(0), "Keys");
    EXPECT_EQ(tab->LocatePage("keys"), 0);
    EXPECT_THROW(tab->GetPage(1), EListError);
    EXPECT_THROW(tab->SetPage(-1, "X"), EListError);
}

TEST_F(BottonsPagesTest, AUsersTabChangeSelectsThePageInsteadOfFiringOnChange) {
    tab->AddPage("A");
    tab->AddPage("B");
    tab->SetButtonIndex(1);
    SelectTabInWindow(*tab, 1);
    EXPECT_EQ(tab->GetPageIndex(), 1);
    EXPECT_EQ(tab->GetButtonIndex(), -1);
    EXPECT_EQ(pageSelects, (std::vector<int>{0, 1}));
    EXPECT_EQ(changes, 0);
}

TEST_F(BottonsPagesTest, AClickOnATabSelectsItsPage) {
    tab->AddPage("First");
    tab->AddPage("Second");
    const TRect second = tab->TabRect(1);
    ClickAt(*tab, (second.Left + second.Right) / 2, (second.Top + second.Bottom) / 2);
    EXPECT_EQ(tab->GetPageIndex(), 1);
    EXPECT_EQ(changes, 0);
}

TEST_F(BottonsPagesTest, OnChangingCanKeepTheCurrentPage) {
    tab->AddPage("First");
    tab->AddPage("Second");
    tab->OnChanging = [](TObject*, bool& allow) { allow = false; };
    EXPECT_EQ(AskToLeaveTab(*tab), TRUE);
    const TRect second = tab->TabRect(1);
    ClickAt(*tab, (second.Left + second.Right) / 2, (second.Top + second.Bottom) / 2);
    EXPECT_EQ(tab->GetPageIndex(), 0);
    EXPECT_EQ(WindowTab(), 0);
}
}  // namespace
