// Loading layouts: read errors, positions, the screen's edges, the file menu of layouts.
#include <windows.h>

#include <set>

#include "components/config/cfg_storage.h"
#include "components/surface/design_panel.h"
#include "components/visual/menus/h_popup_menu.h"
#include "keys/osk_custom_key.h"
#include "keys/osk_messages.h"
#include "main_form_fixture.h"
#include "support/menus/menu_item.h"
#include "support/win32/message_loop.h"
#include "tests/dialogs/dialog_robot.h"

namespace {
// A layout whose key carries a property no key has: a read error.
std::string LayoutWithAnError() {
    std::string text = SmallLayout();
    text.insert(text.find("    KeyLabel = 'a'"), "    NoSuchProperty = 1\r\n");
    return text;
}

// Closes the menu that opens modally, from a timer of the menu's loop.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

void CloseMenuSoon() { SetTimer(nullptr, 0, 200, &CloseMenu); }
}  // namespace

TEST_F(MainFormTest, ALoadedLayoutSizesTheWindowAndRemembersItsPath) {
    const std::string path = WriteLayout("small.osk", SmallLayout());
    StartForm(path);
    EXPECT_TRUE(form->LayoutLoaded);
    EXPECT_EQ(form->GetClientWidth(), 200);
    EXPECT_EQ(form->GetClientHeight(), 60);
    EXPECT_EQ(form->design->ControlCount(), 2);
    EXPECT_EQ(std::string(form->cfg->Read("LastUsedForm", "")), path);
}

TEST_F(MainFormTest, AMissingLayoutIsIgnoredSilently) {
    StartForm();
    form->LoadLayout((folder / "none.osk").string());
    EXPECT_FALSE(form->LayoutLoaded);
    EXPECT_EQ(std::string(form->cfg->Read("LastUsedForm", "")), "");
}

TEST_F(MainFormTest, ReadErrorsAreSkippedWithoutAskingWhenTheSettingSaysSo) {
    StartForm();
    form->cfg->Write("IgnoreLoadErrors", true);
    form->LoadLayout(WriteLayout("bad.osk", LayoutWithAnError()));
    EXPECT_TRUE(form->LayoutLoaded);
}

TEST_F(MainFormTest, YesToAllSkipsTheErrorAndStopsTheQuestions) {
    StartForm();
    TDialogRobot robot("Error loading form data...");
    robot.Click("Yes to &All");
    form->LoadLayout(WriteLayout("bad.osk", LayoutWithAnError()));
    EXPECT_TRUE(robot.SawDialog());
    EXPECT_TRUE(form->LayoutLoaded);
    EXPECT_TRUE(form->cfg->Read("IgnoreLoadErrors", false));
}

TEST_F(MainFormTest, NoAbandonsTheLoadAndKeepsTheLastLayout) {
    StartForm();
    TDialogRobot robot("Error loading form data...");
    robot.Click("&No");
    form->LoadLayout(WriteLayout("bad.osk", LayoutWithAnError()));
    EXPECT_TRUE(robot.SawDialog());
    EXPECT_FALSE(form->LayoutLoaded);
    EXPECT_FALSE(form->design->GetVisible());
    EXPECT_EQ(std::string(form->cfg->Read("LastUsedForm", "")), "");
}

TEST_F(MainFormTest, ClampToScreenPullsBackRightAndBottomEdgesOnly) {
    StartForm(WriteLayout("small.osk", SmallLayout()));
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    form->SetBounds(screenWidth - 20, screenHeight - 5, form->GetWidth(), form->GetHeight());
    form->ClampToScreen();
    EXPECT_EQ(form->GetLeft(), screenWidth - form->GetWidth() - 10);
    EXPECT_EQ(form->GetTop(), screenHeight - form->GetHeight() - 10);
    form->SetBounds(-50, -40, form->GetWidth(), form->GetHeight());
    form->ClampToScreen();
    EXPECT_EQ(form->GetLeft(), -50);
    EXPECT_EQ(form->GetTop(), -40);
}

TEST_F(MainFormTest, EachLayoutComesBackWhereItWasLeft) {
    const std::string first = WriteLayout("first.osk", SmallLayout()), second = WriteLayout("second.osk", SmallLayout());
    StartForm(first);
    form->SetBounds(111, 122, form->GetWidth(), form->GetHeight());
    form->LoadLayout(second);
    form->SetBounds(300, 310, form->GetWidth(), form->GetHeight());
    form->LoadLayout(first);
    EXPECT_EQ(form->GetLeft(), 111);
    EXPECT_EQ(form->GetTop(), 122);
    form->LoadLayout(second);
    EXPECT_EQ(form->GetLeft(), 300);
    EXPECT_EQ(form->GetTop(), 310);
}

TEST_F(MainFormTest, TheFileMenuListsTheLayoutsOfTheKeysFolder) {
    const std::string dir = (folder / "menu").string();
    std::filesystem::create_directories(dir);
    WriteLayout("menu/one.osk", SmallLayout());
    WriteLayout("menu/two.osk", SmallLayout());
    WriteLayout("menu/notes.txt", "text");
    StartForm(WriteLayout("small.osk", SmallLayout("    Command = ocSelectKeyboard\r\n    FileOrCommand = '" + dir + "'\r\n")));
    CloseMenuSoon();
    Send(WM_OSK_KEYPRESSED, reinterpret_cast<WPARAM>(form->design->FindComponent("cmd")));
    ASSERT_EQ(form->popupFiles->Items()->Count(), 2);
    std::set<std::string> captions;
    for (int i = 0; i < 2; ++i) captions.insert(form->popupFiles->Items()->Items(i)->GetCaption());
    EXPECT_EQ(captions, (std::set<std::string>{"one", "two"}));
    TMenuItem* picked = form->popupFiles->Items()->Items(1);
    const std::string expected = dir + "\\" + picked->GetCaption() + ".osk";
    picked->Click();
    EXPECT_TRUE(form->LayoutLoaded);
    EXPECT_EQ(std::string(form->cfg->Read("LastUsedForm", "")), expected);
}

TEST_F(MainFormTest, AFolderWithoutLayoutsKeepsTheLastFileMenu) {
    const std::string empty = (folder / "empty").string();
    std::filesystem::create_directories(empty);
    StartForm(WriteLayout("small.osk", SmallLayout("    Command = ocSelectKeyboard\r\n    FileOrCommand = '" + empty + "'\r\n")));
    auto* item = new TMenuItem(form.get());
    item->SetCaption("earlier");
    form->popupFiles->Items()->Add(item);
    Send(WM_OSK_KEYPRESSED, reinterpret_cast<WPARAM>(form->design->FindComponent("cmd")));
    ASSERT_EQ(form->popupFiles->Items()->Count(), 1);
    EXPECT_EQ(form->popupFiles->Items()->Items(0)->GetCaption(), "earlier");
}

// The read-error question leaves the tray icon usable: its commands must not start a second
// load or end the keyboard under the first.
TEST_F(MainFormTest, WhileALoadAsksNeitherAnotherLoadNorTheCloseStarts) {
    StartForm();
    TDialogRobot fileDialog("Load OSK file...");
    fileDialog.Click("Cancel");
    bool closedDuringLoad = true;
    TDialogRobot question("Error loading form data...");
    question
        .Then([&](HWND) {
            form->mnuLoadClick(form.get());
            Send(WM_CLOSE);
            closedDuringLoad = std::filesystem::exists(folder / "osk.hcfg");
        })
        .Click("&Yes");
    form->LoadLayout(WriteLayout("bad.osk", LayoutWithAnError()));
    EXPECT_TRUE(question.SawDialog());
    EXPECT_FALSE(fileDialog.SawDialog());
    EXPECT_FALSE(closedDuringLoad);
    EXPECT_TRUE(form->LayoutLoaded);
    ProcessMessages();
    EXPECT_TRUE(std::filesystem::exists(folder / "osk.hcfg")) << "the close did not follow the load";
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
