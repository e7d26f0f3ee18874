#include "win32_menu_fixture.h"

namespace {

using Entries = std::vector<std::string>;
using MainMenuWindow = MenuFormFixture;

TEST_F(MainMenuWindow, TheBarIsTheFormsMenuWithTheItemsTexts) {
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(Bar(), menu->Handle());
    ASSERT_EQ(GetMenuItemCount(Bar()), 2);
    EXPECT_EQ(EntryText(Bar(), 0), L"&File");
    ASSERT_EQ(GetMenuItemCount(FileMenu()), 3);
    EXPECT_NE(GetSubMenu(FileMenu(), 2), nullptr);
    EXPECT_EQ(EntryText(GetSubMenu(FileMenu(), 2), 0), L"first.osk");
}

TEST_F(MainMenuWindow, TheShortCutTextFollowsTheCaptionAfterATab) {
    EXPECT_EQ(EntryText(FileMenu(), 1), L"&Save\tCtrl+S");
    save->SetShortCut(ShortCut(VK_F2, ssShift));
    EXPECT_EQ(EntryText(FileMenu(), 1), L"&Save\tShift+F2");
}

TEST_F(MainMenuWindow, TheCheckerSetsEveryStateByTagJustBeforeASubmenuOpens) {
    HMENU fileMenu = FileMenu();
    menu->OnMenuItemCheck = [](TObject*, TMenuItem* item) {
        switch (item->GetTag()) {
            case 11: item->SetEnabled(false); break;
            case 12: item->SetChecked(true); break;
            case 13: item->SetVisible(false); break;
            case 21: item->SetCaption("&About Pendrel"); break;
        }
    };
    EXPECT_EQ(GetMenuState(fileMenu, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
    OpenSubmenu(fileMenu);

    EXPECT_EQ(FileMenu(), fileMenu);  // the open submenu keeps its handle
    EXPECT_NE(GetMenuState(fileMenu, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_NE(GetMenuState(fileMenu, 1, MF_BYPOSITION) & MF_CHECKED, 0u);
    EXPECT_EQ(GetMenuItemCount(fileMenu), 2);  // Recent is hidden
    EXPECT_EQ(EntryText(GetSubMenu(Bar(), 1), 0), L"&About Pendrel");
}

TEST_F(MainMenuWindow, OpeningANestedSubmenuChecksEveryItemOnce) {
    CheckerLog log;
    menu->OnMenuItemCheck = log.MenuChecker(menu);
    int popups = 0;
    menu->OnPopup = [&](TObject* sender) {
        EXPECT_EQ(sender, recent);
        ++popups;
    };
    OpenSubmenu(GetSubMenu(FileMenu(), 2));

    EXPECT_EQ(popups, 1);
    EXPECT_EQ(log.entries, (Entries{"&File", "&Open", "&Save", "Recent", "first.osk", "&Help", "&About"}));
}

TEST_F(MainMenuWindow, ChoosingAnItemClicksItOnce) {
    int clicks = 0;
    open->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, open);
        ++clicks;
    };
    Send(WM_COMMAND, MAKEWPARAM(open->Command(), 0), 0);
    Send(WM_COMMAND, MAKEWPARAM(about->Command(), 0), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MainMenuWindow, AShortCutKeyInTheQueueClicksTheItem) {
    int saves = 0;
    save->OnClick = [&](TObject*) { ++saves; };
    HoldKey(VK_CONTROL, true);
    PostMessageW(WndOf(form), WM_KEYDOWN, 'S', 0x001F0001);
    ProcessMessages();
    EXPECT_EQ(saves, 1);
}

TEST_F(MainMenuWindow, AShortCutTheCheckerDisablesIsNotConsumed) {
    int saves = 0;
    save->OnClick = [&](TObject*) { ++saves; };
    menu->OnMenuItemCheck = [](TObject*, TMenuItem* item) { item->SetEnabled(item->GetTag() != 12); };
    HoldKey(VK_CONTROL, true);
    const MSG key{WndOf(form), WM_KEYDOWN, 'S', 0x001F0001, 0, {}};

    EXPECT_FALSE(DispatchMenuShortCut(key));
    EXPECT_EQ(saves, 0);
    EXPECT_NE(GetMenuState(FileMenu(), 1, MF_BYPOSITION) & MF_GRAYED, 0u);
}

TEST_F(MainMenuWindow, WithoutCtrlDownTheKeyIsNoShortCut) {
    int saves = 0;
    save->OnClick = [&](TObject*) { ++saves; };
    const MSG key{WndOf(form), WM_KEYDOWN, 'S', 0x001F0001, 0, {}};
    EXPECT_FALSE(DispatchMenuShortCut(key));
    EXPECT_EQ(saves, 0);
}

TEST_F(MainMenuWindow, ItemsAddedLaterAppearAndOpenThroughTheChecker) {
    HMENU fileMenu = FileMenu();
    HMenuItem* tools = AddItem(&form, menu->Items(), "&Tools", 30);
    HMenuItem* options = AddItem(&form, tools, "&Options", 31);
    int checks = 0;
    menu->OnMenuItemCheck = [&](TObject*, TMenuItem* item) { checks += item == options; };

    ASSERT_EQ(GetMenuItemCount(Bar()), 3);
    EXPECT_EQ(FileMenu(), fileMenu);
    OpenSubmenu(GetSubMenu(Bar(), 2));
    EXPECT_EQ(checks, 1);
}

TEST_F(MainMenuWindow, TheBarSurvivesTheWindowBeingMadeAgain) {
    HMENU bar = Bar();
    form.DestroyHandle();
    ASSERT_TRUE(IsMenu(bar));
    form.HandleNeeded();
    EXPECT_EQ(Bar(), bar);
    EXPECT_EQ(GetMenuItemCount(bar), 2);
}

TEST_F(MainMenuWindow, DetachingTheMenuTakesTheBarAway) {
    menu->SetWindow(nullptr);
    EXPECT_EQ(GetMenu(WndOf(form)), nullptr);
    EXPECT_TRUE(IsMenu(static_cast<HMENU>(menu->Handle())));
}

TEST(MainMenuLifetime, AFormDestroyedBeforeItsMenuLeavesTheMenuIntact) {
    InstallWin32WindowSystem();
    InstallWin32MenuSystem();
    HMainMenu menu(nullptr);
    AddItem(&menu, menu.Items(), "&File", 1);
    HMENU bar = nullptr;
    {
        TForm form(nullptr);
        menu.SetWindow(&form);
        form.HandleNeeded();
        bar = GetMenu(static_cast<HWND>(form.Handle()));
        ASSERT_EQ(bar, menu.Handle());
    }
    EXPECT_EQ(menu.GetWindow(), nullptr);
    EXPECT_TRUE(IsMenu(bar));
    EXPECT_EQ(GetMenuItemCount(bar), 1);
}

}  // namespace
