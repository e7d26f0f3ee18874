// The tab set: tabs along a window's bottom edge, chosen by clicks or by TabIndex, with a
// change handler that may refuse.
#include <vector>

#include "palette_fixture.h"
#include "support/controls/tab_set.h"

namespace {
class TabSetTest : public PaletteFixture {
protected:
    TabSetTest() {
        tabSet = new TTabSet(&form);
        tabSet->SetParent(&form);
        tabSet->SetBounds(8, 200, 300, 21);
        tabSet->GetTabs()->Add("Test");
        tabSet->GetTabs()->Add("Design");
        tabSet->OnChange = [this](TObject*, int newTab, bool& allow) {
            asked.push_back(newTab);
            allow = allowChange;
        };
        ShowForm();
    }
    void ClickTab(int index) {
        const TRect r = tabSet->TabRect(index);
        ClickAt(*tabSet, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    TTabSet* tabSet;
    std::vector<int> asked;
    bool allowChange = true;
};

TEST_F(TabSetTest, AClickOnATabChoosesItThroughOnChange) {
    ClickTab(1);
    EXPECT_EQ(tabSet->GetTabIndex(), 1);
    ClickTab(0);
    EXPECT_EQ(tabSet->GetTabIndex(), 0);
    EXPECT_EQ(asked, (std::vector<int>{1, 0}));
}

TEST_F(TabSetTest, OnChangeCanKeepTheCurrentTab) {
    tabSet->SetTabIndex(0);
    allowChange = false;
    ClickTab(1);
    EXPECT_EQ(tabSet->GetTabIndex(), 0);
    tabSet->SetTabIndex(1);
    EXPECT_EQ(tabSet->GetTabIndex(), 0);
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 1}));
}

TEST_F(TabSetTest, TheSameTabOrOneOutsideTheTabsAsksNothing) {
    tabSet->SetTabIndex(1);
    asked.clear();
    tabSet->SetTabIndex(1);
    tabSet->SetTabIndex(2);
    tabSet->SetTabIndex(-2);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(tabSet->GetTabIndex(), 1);
}

TEST_F(TabSetTest, ClicksBesideTheTabsChangeNothing) {
    const TRect last = tabSet->TabRect(1);
    ASSERT_LT(last.Right + 10, tabSet->GetWidth());
    ClickAt(*tabSet, last.Right + 5, 10);
    ClickAt(*tabSet, 1, 10);
    EXPECT_EQ(tabSet->GetTabIndex(), -1);
    EXPECT_TRUE(asked.empty());
}

TEST_F(TabSetTest, TabsLieSideBySideAndGrowWithTheirCaptions) {
    const TRect test = tabSet->TabRect(0), design = tabSet->TabRect(1);
    EXPECT_EQ(test.Left, tabSet->GetStartMargin());
    EXPECT_EQ(design.Left, test.Right);
    EXPECT_GT(design.Right - design.Left, test.Right - test.Left);
    EXPECT_EQ(tabSet->ItemAtPos({design.Left + 2, 5}), 1);
    EXPECT_EQ(tabSet->TabRect(2).Right, 0);
}

TEST_F(TabSetTest, RemovingTheChosenTabLeavesAnIndexInRange) {
    tabSet->SetTabIndex(1);
    tabSet->GetTabs()->Delete(1);
    EXPECT_EQ(tabSet->GetTabIndex(), 0);
}
}  // namespace
