#include <windows.h>

#include <commctrl.h>

#include "controls_fixture.h"
#include "support/controls/page_control.h"
#include "support/framework/exceptions.h"

namespace {
class PageControlTest : public ControlsFixture {
protected:
    PageControlTest() {
        pages = new TPageControl(&form);
        pages->SetParent(&form);
        pages->SetBounds(8, 8, 300, 200);
        first = AddPage("First");
        second = AddPage("Second");
        pages->OnChange = [this](TObject*) { ++changes; };
        ShowForm();
    }
    TTabSheet* AddPage(const char* caption) {
        auto* page = new TTabSheet(&form);
        page->SetCaption(caption);
        page->SetPageControl(pages);
        return page;
    }
    void ClickTab(int index) {
        RECT tab{};
        SendMessageW(WndOf(*pages), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
        const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
        SendMessageW(WndOf(*pages), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(WndOf(*pages), WM_LBUTTONUP, 0, at);
        ProcessMessages();
    }
    bool Shown(TTabSheet* page) { return IsWindowVisible(WndOf(*page)) != FALSE; }

    TPageControl* pages;
    TTabSheet* first;
    TTabSheet* second;
    int changes = 0;
};

TEST_F(PageControlTest, FirstPageAddedIsActiveAndAloneShown) {
    EXPECT_EQ(pages->GetActivePage(), first);
    EXPECT_TRUE(Shown(first));
    EXPECT_FALSE(Shown(second));
    EXPECT_EQ(SendMessageW(WndOf(*pages), TCM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(PageControlTest, ActivePageIndexSelectsTabAndShowsItsSheet) {
    pages->SetActivePageIndex(1);
    EXPECT_EQ(pages->GetActivePage(), second);
    EXPECT_EQ(SendMessageW(WndOf(*pages), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(Shown(first));
    EXPECT_TRUE(Shown(second));
    EXPECT_EQ(changes, 0);
}

TEST_F(PageControlTest, ClickOnATabSwitchesPages) {
    ClickTab(1);
    EXPECT_EQ(pages->GetActivePageIndex(), 1);
    EXPECT_TRUE(Shown(second));
    EXPECT_FALSE(Shown(first));
    EXPECT_EQ(changes, 1);
    ClickTab(0);
    EXPECT_EQ(pages->GetActivePageIndex(), 0);
    EXPECT_TRUE(Shown(first));
}

TEST_F(PageControlTest, TabsShowThePageCaptions) {
    wchar_t text[32] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(WndOf(*pages), TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"Second");
}

TEST_F(PageControlTest, SheetsFillTheDisplayArea) {
    const TRect area = pages->DisplayRect();
    EXPECT_EQ(second->GetLeft(), area.Left);
    EXPECT_EQ(second->GetTop(), area.Top);
    EXPECT_EQ(second->GetWidth(), area.Right - area.Left);
    EXPECT_GT(area.Top, 0);
}

TEST_F(PageControlTest, IndexOutsideThePagesRaises) { EXPECT_THROW(pages->SetActivePageIndex(2), EListError); }
}  // namespace
