#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>

#include "support/framework/exceptions.h"
#include "support/menus/menu_item.h"
#include "support/menus/menu_system_win32.h"
#include "support/shell/tray_icon.h"
#include "support/win32/message_loop.h"
#include "support/win32/window_system.h"

namespace {

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

class TrayIcon : public ::testing::Test {
protected:
    TrayIcon() {
        InstallWin32WindowSystem();
        InstallWin32MenuSystem();
        picture = MakeKeyboardIcon(16);
    }
    ~TrayIcon() override { DestroyIcon(picture); }

    // Asks the shell directly whether it knows the icon: only a known icon can be changed.
    bool ShellHasIcon() {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = icon->Wnd();
        data.uID = 1;
        data.uFlags = NIF_TIP;
        return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    }
    void RemoveBehindItsBack() {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = icon->Wnd();
        data.uID = 1;
        Shell_NotifyIconW(NIM_DELETE, &data);
    }
    void MouseOnIcon(UINT mouseMessage) { SendMessageW(icon->Wnd(), kTrayIconCallbackMessage, 1, mouseMessage); }

    TComponent owner{nullptr};
    TNITrayIcon* icon = new TNITrayIcon(&owner);
    HICON picture = nullptr;
};

TEST_F(TrayIcon, WithoutAPictureIsNotAdded) {
    EXPECT_TRUE(icon->GetVisible());
    EXPECT_FALSE(icon->IsAdded());
}

TEST_F(TrayIcon, VisibleWithAPictureIsAdded) {
    icon->SetIcon(picture);
    EXPECT_TRUE(icon->IsAdded());
    EXPECT_TRUE(ShellHasIcon());
}

TEST_F(TrayIcon, KeepsACopyOfThePicture) {
    icon->SetIcon(picture);
    EXPECT_NE(icon->Icon(), nullptr);
    EXPECT_NE(icon->Icon(), picture);
}

TEST_F(TrayIcon, HidingRemovesItAndShowingAddsItAgain) {
    icon->SetIcon(picture);
    icon->SetVisible(false);
    EXPECT_FALSE(icon->IsAdded());
    EXPECT_FALSE(ShellHasIcon());
    icon->SetVisible(true);
    EXPECT_TRUE(icon->IsAdded());
    EXPECT_TRUE(ShellHasIcon());
}

TEST_F(TrayIcon, HiddenGetsNoIconFromAPicture) {
    icon->SetVisible(false);
    icon->SetIcon(picture);
    EXPECT_FALSE(icon->IsAdded());
}

TEST_F(TrayIcon, TakingThePictureAwayRemovesIt) {
    icon->SetIcon(picture);
    icon->SetIcon(nullptr);
    EXPECT_FALSE(icon->IsAdded());
    EXPECT_FALSE(ShellHasIcon());
}

TEST_F(TrayIcon, DestroyingRemovesIt) {
    icon->SetIcon(picture);
    const HWND wnd = icon->Wnd();
    delete icon;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = wnd;
    data.uID = 1;
    data.uFlags = NIF_TIP;
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &data));
    EXPECT_FALSE(IsWindow(wnd));
}

TEST_F(TrayIcon, ANewShellGetsTheIconAgain) {
    icon->SetIcon(picture);
    RemoveBehindItsBack();
    ASSERT_FALSE(ShellHasIcon());
    SendMessageW(icon->Wnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(icon->IsAdded());
    EXPECT_TRUE(ShellHasIcon());
}

TEST_F(TrayIcon, AChangeAfterTheShellLostTheIconAddsItAgain) {
    icon->SetIcon(picture);
    RemoveBehindItsBack();
    icon->SetHint("Pendrel");
    EXPECT_TRUE(icon->IsAdded());
    EXPECT_TRUE(ShellHasIcon());
}

TEST_F(TrayIcon, WhileDesigningShowsOnlyWithShowDesigning) {
    icon->SetDesigning(true);
    icon->SetIcon(picture);
    EXPECT_FALSE(icon->IsAdded());
    icon->SetShowDesigning(true);
    EXPECT_TRUE(icon->IsAdded());
}

TEST_F(TrayIcon, ALeftClickRunsOnClick) {
    int clicks = 0;
    icon->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, icon);
        ++clicks;
    };
    icon->SetIcon(picture);
    MouseOnIcon(WM_LBUTTONDOWN);
    EXPECT_EQ(clicks, 0);
    MouseOnIcon(WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIcon, ADoubleClickRunsOnDblClick) {
    int doubleClicks = 0;
    icon->OnDblClick = [&](TObject*) { ++doubleClicks; };
    MouseOnIcon(WM_LBUTTONDBLCLK);
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(TrayIcon, AnErrorInOnClickComesOutOfTheMessageLoop) {
    icon->OnClick = [](TObject*) { throw Exception("click failed"); };
    PostMessageW(icon->Wnd(), kTrayIconCallbackMessage, 1, WM_LBUTTONUP);
    EXPECT_THROW(ProcessMessages(), Exception);
}

TEST_F(TrayIcon, ARightClickOpensThePopupMenu) {
    auto* menu = new TPopupMenu(&owner);
    auto* item = new TMenuItem(&owner);
    item->SetCaption("Exit");
    menu->Items()->Add(item);
    int popups = 0;
    menu->OnPopup = [&](TObject*) { ++popups; };
    icon->SetPopupMenu(menu);
    SetTimer(nullptr, 0, 200, &CloseMenu);
    MouseOnIcon(WM_RBUTTONUP);
    EXPECT_EQ(popups, 1);
}

TEST_F(TrayIcon, ARightClickWithoutMenuDoesNothing) {
    int clicks = 0;
    icon->OnClick = [&](TObject*) { ++clicks; };
    MouseOnIcon(WM_RBUTTONUP);
    EXPECT_EQ(clicks, 0);
}

TEST_F(TrayIcon, ForgetsAMenuThatIsDestroyed) {
    auto* menu = new TPopupMenu(&owner);
    icon->SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(icon->GetPopupMenu(), nullptr);
    MouseOnIcon(WM_RBUTTONUP);
}

TEST(TrayIconClass, PublishesItsPropertiesAndEvents) {
    const TMetaClass& cls = TNITrayIcon::StaticClass();
    for (const char* name : {"Visible", "Hint", "ShowDesigning", "ShowOnTaskbar", "PopUpMenu", "OnClick", "OnDblClick"})
        EXPECT_NE(cls.FindProperty(name), nullptr) << name;
}

}  // namespace
