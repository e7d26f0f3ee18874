#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../controls/modal_robot.h"
#include "components/visual/toolbar97/font_combo_box97.h"
#include "components/visual/toolbar97/toolbar97_controls.h"
#include "components/visual/toolbar97/toolbar_button97.h"
#include "runtime/settings/config_form.h"
#include "support/controls/button.h"
#include "support/controls/check_box.h"
#include "support/controls/page_control.h"
#include "support/controls/up_down.h"
#include "support/framework/std_controls.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"

namespace {
TConfigForm& Config(TModalForm& form) { return dynamic_cast<TConfigForm&>(form); }

// Every value set opposite to its default.
void ChangeEverything(TConfigForm& dialog) {
    for (TCheckBox* box : {dialog.chOnTaskbar, dialog.chCaption, dialog.chHooKL, dialog.chSetKL, dialog.chLRDiff,
                           dialog.chIgnoreCA, dialog.chIgnoreLoadErrors, dialog.chLoadLastForm, dialog.chClearBuff,
                           dialog.chDispChar})
        SendMessageW(WndOf(*box), BM_CLICK, 0, 0);
    SetWindowTextW(WndOf(*dialog.Edit1), L"2500");
    dialog.cbCharFont->SetText("Courier New");
    SetWindowTextW(WndOf(*dialog.Edit2), L"20");
}

void ExpectEverythingChanged(const HCfgStorage& cfg) {
    EXPECT_FALSE(cfg.Read("OnTaskbar", true));
    EXPECT_TRUE(cfg.Read("Caption", false));
    EXPECT_FALSE(cfg.Read("HooKL", true));
    EXPECT_FALSE(cfg.Read("SetKL", true));
    EXPECT_FALSE(cfg.Read("LRDiff", true));
    EXPECT_FALSE(cfg.Read("IgnoreCA", true));
    EXPECT_TRUE(cfg.Read("IgnoreLoadErrors", false));
    EXPECT_FALSE(cfg.Read("LoadLastForm", true));
    EXPECT_FALSE(cfg.Read("ClearBuff", true));
    EXPECT_FALSE(cfg.Read("DispChar", true));
    EXPECT_EQ(cfg.Read("AutohideInterval", 0), 2500);
    EXPECT_EQ(cfg.Read("CharFont", std::string()), "Courier New");
    EXPECT_EQ(cfg.Read("CharFontSz", 0), 20);
}

void ClickControl(HWND form, const TControl& control) {
    ClickAt(form, control.GetLeft() + control.GetWidth() / 2, control.GetTop() + control.GetHeight() / 2);
}

class ConfigDialogTest : public ::testing::Test {
protected:
    ConfigDialogTest() {
        InstallToolbar97Controls();
        owner.SetCaption("Keyboard");
        owner.SetBounds(50, 50, 200, 100);
    }
    void ShowOwner() {
        owner.Show();
        ProcessMessages();
    }
    // Opens the dialog on the given page, then leaves it with OK.
    void OpenOnPageThenOk(int page) {
        TModalRobot robot("Configure...");
        robot.Then([page](TModalForm& form, HWND) {
            Config(form).pages->SetActivePageIndex(page);
            Config(form).ToolbarButton971->Click();
        });
        ASSERT_TRUE(RunConfigDialog(&owner, cfg));
    }
    int PageShownAtOpening() {
        int shown = -1;
        TModalRobot robot("Configure...");
        robot.Then([&](TModalForm& form, HWND) {
            shown = Config(form).pages->GetActivePageIndex();
            form.SetModalResult(mrCancel);
        });
        RunConfigDialog(&owner, cfg);
        return shown;
    }

    HCfgStorage cfg{nullptr};
    TForm owner{nullptr};
};

TEST_F(ConfigDialogTest, OkByMouseWritesEveryValue) {
    ShowOwner();
    TModalRobot robot("Configure...");
    robot.Then([](TModalForm& form, HWND) { ChangeEverything(Config(form)); }).Then([](TModalForm& form, HWND wnd) {
        ClickControl(wnd, *Config(form).ToolbarButton971);
    });
    EXPECT_TRUE(RunConfigDialog(&owner, cfg));
    EXPECT_TRUE(robot.SawForm());
    ExpectEverythingChanged(cfg);
}

TEST_F(ConfigDialogTest, EnterIsOk) {
    TModalRobot robot("Configure...");
    robot.Then([](TModalForm& form, HWND) {
             ChangeEverything(Config(form));
             SetFocus(WndOf(*Config(form).chOnTaskbar));
         })
        .PressKey(VK_RETURN);
    EXPECT_TRUE(RunConfigDialog(&owner, cfg));
    ExpectEverythingChanged(cfg);
}

TEST_F(ConfigDialogTest, DefaultsAreWrittenWhenNothingChanges) {
    OpenOnPageThenOk(0);
    EXPECT_TRUE(cfg.Read("OnTaskbar", false));
    EXPECT_FALSE(cfg.Read("Caption", true));
    EXPECT_FALSE(cfg.Read("IgnoreLoadErrors", true));
    EXPECT_EQ(cfg.Read("AutohideInterval", 0), 1000);
    EXPECT_EQ(cfg.Read("CharFont", std::string()), "Verdana");
    EXPECT_EQ(cfg.Read("CharFontSz", 0), 36);
}

TEST_F(ConfigDialogTest, TypedNumbersOutsideTheRangesAreStoredClamped) {
    TModalRobot robot("Configure...");
    robot.Then([](TModalForm& form, HWND) {
        SetWindowTextW(WndOf(*Config(form).Edit1), L"70000");
        SetWindowTextW(WndOf(*Config(form).Edit2), L"3");
        Config(form).ToolbarButton971->Click();
    });
    EXPECT_TRUE(RunConfigDialog(&owner, cfg));
    EXPECT_EQ(cfg.Read("AutohideInterval", 0), 5000);
    EXPECT_EQ(cfg.Read("CharFontSz", 0), 10);
}

TEST_F(ConfigDialogTest, CancelWritesNothing) {
    TModalRobot robot("Configure...");
    robot.Then([](TModalForm& form, HWND) { ChangeEverything(Config(form)); })
        .Then([](TModalForm& form, HWND) { SendMessageW(WndOf(*Config(form).Button7), BM_CLICK, 0, 0); });
    EXPECT_FALSE(RunConfigDialog(&owner, cfg));
    EXPECT_TRUE(robot.SawForm());
    // A value that is not stored reads back as whatever default is asked with.
    for (const char* name : {"OnTaskbar", "Caption", "HooKL", "SetKL", "LRDiff", "IgnoreCA", "IgnoreLoadErrors",
                             "LoadLastForm", "ClearBuff", "DispChar"}) {
        EXPECT_TRUE(cfg.Read(name, true)) << name;
        EXPECT_FALSE(cfg.Read(name, false)) << name;
    }
    EXPECT_EQ(cfg.Read("AutohideInterval", -1), -1);
    EXPECT_EQ(cfg.Read("CharFontSz", -1), -1);
    EXPECT_EQ(cfg.Read("CharFont", std::string("none")), "none");
}

TEST_F(ConfigDialogTest, EscIsCancel) {
    TModalRobot robot("Configure...");
    robot.Then([](TModalForm& form, HWND) {
             ChangeEverything(Config(form));
             SetFocus(WndOf(*Config(form).chOnTaskbar));
         })
        .PressKey(VK_ESCAPE);
    EXPECT_FALSE(RunConfigDialog(&owner, cfg));
    EXPECT_TRUE(cfg.Read("OnTaskbar", true));
}

TEST_F(ConfigDialogTest, PageIsRememberedAfterOkOnly) {
    OpenOnPageThenOk(0);
    EXPECT_EQ(PageShownAtOpening(), 0);
    {
        // The user picks "Char" with the mouse and presses OK.
        TModalRobot robot("Configure...");
        robot.Then([](TModalForm& form, HWND) {
                 TPageControl& pages = *Config(form).pages;
                 RECT tab{};
                 SendMessageW(WndOf(pages), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
                 const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
                 SendMessageW(WndOf(pages), WM_LBUTTONDOWN, MK_LBUTTON, at);
                 SendMessageW(WndOf(pages), WM_LBUTTONUP, 0, at);
             })
            .PressKey(VK_RETURN);
        ASSERT_TRUE(RunConfigDialog(&owner, cfg));
    }
    EXPECT_EQ(PageShownAtOpening(), 1);
    // A Cancel leaves the remembered page as it was.
    {
        TModalRobot robot("Configure...");
        robot.Then([](TModalForm& form, HWND) {
            Config(form).pages->SetActivePageIndex(0);
            form.SetModalResult(mrCancel);
        });
        RunConfigDialog(&owner, cfg);
    }
    EXPECT_EQ(PageShownAtOpening(), 1);
    OpenOnPageThenOk(0);
    EXPECT_EQ(PageShownAtOpening(), 0);
}

TEST_F(ConfigDialogTest, TabWalksTheApplicationPageInTheTablesOrder) {
    std::vector<HWND> expected, walked;
    TModalRobot robot("Configure...");
    robot.Then([&](TModalForm& form, HWND wnd) {
        TConfigForm& dialog = Config(form);
        dialog.pages->SetActivePageIndex(0);
        for (TCheckBox* box : {dialog.chOnTaskbar, dialog.chCaption, dialog.chHooKL, dialog.chLRDiff,
                               dialog.chIgnoreCA, dialog.chIgnoreLoadErrors, dialog.chLoadLastForm, dialog.chSetKL,
                               dialog.chClearBuff})
            expected.push_back(WndOf(*box));
        HWND at = expected.front();
        walked.push_back(at);
        for (size_t i = 1; i < expected.size(); ++i) walked.push_back(at = GetNextDlgTabItem(wnd, at, FALSE));
        form.SetModalResult(mrCancel);
    });
    RunConfigDialog(&owner, cfg);
    EXPECT_EQ(walked, expected);
}

TEST_F(ConfigDialogTest, ShownAsADialogOfTheRightSizeOwnedByTheOwner) {
    ShowOwner();
    RECT client{};
    HWND ownerWnd = nullptr;
    bool ownerEnabled = true;
    TModalRobot robot("Configure...");
    robot.Then([&](TModalForm& form, HWND wnd) {
        GetClientRect(wnd, &client);
        ownerWnd = GetWindow(wnd, GW_OWNER);
        ownerEnabled = IsWindowEnabled(WndOf(owner)) != FALSE;
        form.SetModalResult(mrCancel);
    });
    RunConfigDialog(&owner, cfg);
    EXPECT_EQ(client.right, 438);
    EXPECT_EQ(client.bottom, 372);
    EXPECT_EQ(ownerWnd, WndOf(owner));
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(WndOf(owner)));
}

TEST_F(ConfigDialogTest, DialogIsDestroyedAfterwards) {
    OpenOnPageThenOk(0);
    EXPECT_EQ(owner.ComponentCount(), 0);
}
}  // namespace
