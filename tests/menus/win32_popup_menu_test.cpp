#include "win32_menu_fixture.h"

#include "components/visual/menus/h_popup_menu.h"

namespace {

// While the menu is shown, its owner's message loop runs this once.
std::function<void()> gWhileShown;

void CALLBACK RunWhileShown(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (auto run = std::exchange(gWhileShown, nullptr)) run();
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

struct PopupWindow : ::testing::Test {
    PopupWindow() {
        InstallWin32WindowSystem();
        InstallWin32MenuSystem();
        settings = AddItem(&owner, menu->Items(), "&Settings", 1);
        layouts = AddItem(&owner, menu->Items(), "&Layouts", 2);
        AddItem(&owner, layouts, "startup.osk", 3);
    }
    // Shows the menu; while it is open, whileShown runs, and the menu closes in any case.
    void PopupAndRun(std::function<void()> whileShown) {
        gWhileShown = std::move(whileShown);
        SetTimer(nullptr, 0, 100, &RunWhileShown);
        const UINT_PTR closer = SetTimer(nullptr, 0, 3000, &CloseMenu);
        menu->Popup(50, 50);
        KillTimer(nullptr, closer);
    }

    TComponent owner{nullptr};
    HPopupMenu* menu = new HPopupMenu(&owner);
    HMenuItem *settings, *layouts;
};

TEST_F(PopupWindow, TheCheckerHasSetTheItemsWhenTheMenuShows) {
    menu->OnMenuItemCheck = [](TObject*, TMenuItem* item) { item->SetChecked(item->GetTag() == 1); };
    UINT state = 0;
    PopupAndRun([&] {
        state = GetMenuState(static_cast<HMENU>(menu->Handle()), 0, MF_BYPOSITION);
        EndMenu();
    });
    EXPECT_NE(state & MF_CHECKED, 0u);
}

TEST_F(PopupWindow, ChoosingAnItemClicksItAfterTheMenuClosed) {
    int clicks = 0;
    settings->OnClick = [&](TObject*) { ++clicks; };
    PopupAndRun([&] {
        HWND owner = GetForegroundWindow();
        PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(owner, WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(clicks, 1);
}

TEST_F(PopupWindow, OnPopupRunsBeforeTheMenuShows) {
    std::vector<std::string> order;
    menu->OnPopup = [&](TObject* sender) {
        EXPECT_EQ(sender, menu);
        order.push_back("popup");
    };
    PopupAndRun([&] {
        order.push_back("shown");
        EndMenu();
    });
    EXPECT_EQ(order, (std::vector<std::string>{"popup", "shown"}));
}

}  // namespace
