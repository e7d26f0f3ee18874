// The tab control: its tabs in the window, the user's tab changes and the area inside the tabs.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "palette_fixture.h"
#include "support/controls/tab_control.h"
#include "support/framework/reader.h"
#include "support/framework/stream.h"
#include "support/framework/writer.h"
#include "support/win32/message_loop.h"

namespace {
class TabControlTest : public PaletteFixture {
protected:
    TabControlTest() {
        tabs = new TTabControl(&form);
        tabs->SetParent(&form);
        tabs->SetBounds(8, 8, 360, 200);
        for (const char* caption : {"one.osk", "two.osk", "three.osk"}) tabs->GetTabs()->Add(caption);
        tabs->SetTabIndex(0);
        tabs->OnChange = [this](TObject*) { changes.push_back(tabs->GetTabIndex()); };
        ShowForm();
    }
    int WindowTab() { return static_cast<int>(SendMessageW(WndOf(*tabs), TCM_GETCURSEL, 0, 0)); }
    std::wstring WindowCaption(int index) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(WndOf(*tabs), TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return text;
    }
    void ClickTab(int index) {
        const TRect r = tabs->TabRect(index);
        ClickAt(*tabs, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    TTabControl* tabs;
    std::vector<int> changes;
};

TEST_F(TabControlTest, TheWindowShowsTheTabsAsTheyChange) {
    EXPECT_EQ(SendMessageW(WndOf(*tabs), TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(WindowCaption(1), L"two.osk");
    tabs->GetTabs()->Put(1, "renamed.osk");
    tabs->GetTabs()->Delete(2);
    EXPECT_EQ(SendMessageW(WndOf(*tabs), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(WindowCaption(1), L"renamed.osk");
}

TEST_F(TabControlTest, TabIndexSelectsInTheWindowWithoutOnChange) {
    tabs->SetTabIndex(2);
    EXPECT_EQ(WindowTab(), 2);
    tabs->SetTabIndex(7);
    EXPECT_EQ(tabs->GetTabIndex(), 2);
    EXPECT_TRUE(changes.empty());
}

TEST_F(TabControlTest, DeletingTheCurrentLastTabLeavesAnIndexInRange) {
    tabs->SetTabIndex(2);
    tabs->GetTabs()->Delete(2);
    EXPECT_EQ(tabs->GetTabIndex(), 1);
    tabs->GetTabs()->Clear();
    EXPECT_EQ(tabs->GetTabIndex(), -1);
}

TEST_F(TabControlTest, AClickOnATabChangesTabsAndFiresOnChange) {
    ClickTab(2);
    EXPECT_EQ(tabs->GetTabIndex(), 2);
    EXPECT_EQ(changes, std::vector<int>{2});
    SelectTabInWindow(*tabs, 1);
    EXPECT_EQ(tabs->GetTabIndex(), 1);
    EXPECT_EQ(changes, (std::vector<int>{2, 1}));
}

TEST_F(TabControlTest, OnChangingCanRefuseTheChange) {
    bool allow = false;
    tabs->OnChanging = [&](TObject*, bool& allowChange) { allowChange = allow; };
    ClickTab(1);
    EXPECT_EQ(tabs->GetTabIndex(), 0);
    EXPECT_EQ(WindowTab(), 0);
    EXPECT_TRUE(changes.empty());
    allow = true;
    ClickTab(1);
    EXPECT_EQ(tabs->GetTabIndex(), 1);
}

TEST_F(TabControlTest, TheTabAtAPointIsFoundAndNoneOutsideTheTabs) {
    for (int i = 0; i < 3; ++i) {
        const TRect r = tabs->TabRect(i);
        EXPECT_EQ(tabs->IndexOfTabAt((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), i);
    }
    const TRect display = tabs->DisplayRect();
    EXPECT_EQ(tabs->IndexOfTabAt((display.Left + display.Right) / 2, (display.Top + display.Bottom) / 2), -1);
    EXPECT_EQ(tabs->TabRect(3).Right, 0);
}

TEST_F(TabControlTest, TheDisplayAreaLiesInsideTheControlBelowTheTabs) {
    const TRect display = tabs->DisplayRect();
    const TRect tab = tabs->TabRect(0);
    EXPECT_GE(display.Top, tab.Bottom - 2);
    EXPECT_GT(display.Left, 0);
    EXPECT_LT(display.Right, tabs->GetWidth());
    EXPECT_LT(display.Bottom, tabs->GetHeight());
}

TEST_F(TabControlTest, AlignedChildrenFillTheDisplayArea) {
    auto* child = new TWinControl(&form);
    child->SetParent(tabs);
    child->SetAlign(alClient);
    const TRect display = tabs->DisplayRect();
    EXPECT_EQ(child->GetLeft(), display.Left);
    EXPECT_EQ(child->GetTop(), display.Top);
    EXPECT_EQ(child->GetWidth(), display.Right - display.Left);
}

TEST_F(TabControlTest, TabsAtTheBottomMoveTheDisplayAreaUp) {
    const TRect top = tabs->DisplayRect();
    tabs->SetTabPosition(tpBottom);
    const TRect bottom = tabs->DisplayRect();
    EXPECT_LT(bottom.Top, top.Top);
    EXPECT_LT(bottom.Bottom, top.Bottom);
    EXPECT_EQ(SendMessageW(WndOf(*tabs), TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(WindowTab(), 0);
}

TEST_F(TabControlTest, MouseMovesOverTheControlReachOnMouseMove) {
    std::vector<int> overTab;
    tabs->OnMouseMove = [&](TObject* sender, TShiftState, int x, int y) {
        overTab.push_back(static_cast<TTabControl*>(sender)->IndexOfTabAt(x, y));
    };
    const TRect r = tabs->TabRect(1);
    SendMessageW(WndOf(*tabs), WM_MOUSEMOVE, 0, MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    SendMessageW(WndOf(*tabs), WM_MOUSEMOVE, 0, MAKELPARAM(100, 150));
    EXPECT_EQ(overTab, (std::vector<int>{1, -1}));
}

TEST_F(TabControlTest, OwnerDrawnTabsAreDrawnByOnDrawTab) {
    std::vector<int> drawn;
    tabs->OnDrawTab = [&](TCustomTabControl* control, int index, TRect, bool active) {
        EXPECT_NE(control->DrawingContext(), nullptr);
        if (active) drawn.push_back(index);
    };
    tabs->SetOwnerDraw(true);
    UpdateWindow(WndOf(*tabs));
    ProcessMessages();
    EXPECT_EQ(drawn, std::vector<int>{0});
    EXPECT_EQ(tabs->DrawingContext(), nullptr);
}
BOOL CALLBACK KeepShownHint(HWND wnd, LPARAM found) {
    wchar_t name[32] = {};
    GetClassNameW(wnd, name, 32);
    if (std::wstring(name) != TOOLTIPS_CLASSW || !IsWindowVisible(wnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

// The window of a hint this thread shows, or null.
HWND ShownHint() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &KeepShownHint, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST_F(TabControlTest, AHintShowsAtOnceNearThePointUntilCancelled) {
    tabs->SetHint("C:\\layouts\\two.osk");
    tabs->ActivateHint({300, 300});
    HWND hint = ShownHint();
    ASSERT_NE(hint, nullptr);
    RECT where{};
    GetWindowRect(hint, &where);
    EXPECT_NEAR(where.left, 300, 30);
    EXPECT_GT(where.top, 300);
    wchar_t text[64] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = WndOf(*tabs);
    tool.uId = reinterpret_cast<UINT_PTR>(WndOf(*tabs));
    tool.lpszText = text;
    SendMessageW(hint, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring(text), L"C:\\layouts\\two.osk");
    tabs->CancelHint();
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(TabControlTest, AnEmptyHintShowsNothing) {
    tabs->SetHint("first");
    tabs->ActivateHint({300, 300});
    tabs->SetHint("");
    tabs->ActivateHint({300, 300});
    EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(TabControlTest, AStreamKeepsTheTabsAndTheCurrentOne) {
    tabs->SetName("pgForms");
    tabs->SetTabIndex(2);
    tabs->SetTabPosition(tpBottom);
    TMemoryStream stream;
    TWriter writer(stream);
    writer.WriteRootComponent(tabs);
    stream.SetPosition(0);

    TTabControl copy(nullptr);
    TReader reader(stream);
    reader.ReadRootComponent(&copy);
    ASSERT_EQ(copy.GetTabs()->Count(), 3);
    EXPECT_EQ((*copy.GetTabs())[2], "three.osk");
    EXPECT_EQ(copy.GetTabIndex(), 2);
    EXPECT_EQ(copy.GetTabPosition(), tpBottom);
}
}  // namespace
