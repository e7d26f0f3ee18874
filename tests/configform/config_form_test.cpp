#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "components/visual/toolbar97/font_combo_box97.h"
#include "components/visual/toolbar97/toolbar_button97.h"
#include "runtime/settings/config_form.h"
#include "support/controls/button.h"
#include "support/controls/check_box.h"
#include "support/controls/page_control.h"
#include "support/controls/up_down.h"
#include "support/framework/std_controls.h"

namespace {
class ConfigFormTest : public ::testing::Test {
protected:
    HCfgStorage cfg{nullptr};
    TConfigForm dialog{nullptr, cfg};

    std::vector<std::pair<TCheckBox*, bool>> DefaultStates() const {
        return {{dialog.chOnTaskbar, true},        {dialog.chCaption, false},     {dialog.chHooKL, true},
                {dialog.chSetKL, true},            {dialog.chLRDiff, true},       {dialog.chIgnoreCA, true},
                {dialog.chIgnoreLoadErrors, false}, {dialog.chLoadLastForm, true}, {dialog.chClearBuff, true},
                {dialog.chDispChar, true}};
    }
};

TEST_F(ConfigFormTest, EmptyStorageShowsTheDefaults) {
    for (const auto& [box, expected] : DefaultStates()) EXPECT_EQ(box->GetChecked(), expected) << box->GetName();
    EXPECT_EQ(dialog.btnAutohideInterval->GetPosition(), 1000);
    EXPECT_EQ(dialog.Edit1->GetText(), "1000");
    EXPECT_EQ(dialog.cbCharFont->GetText(), "Verdana");
    EXPECT_EQ(dialog.btnCharFontSz->GetPosition(), 36);
    EXPECT_EQ(dialog.Edit2->GetText(), "36");
}

TEST(ConfigFormStored, StoredValuesAreShown) {
    HCfgStorage cfg(nullptr);
    cfg.Write("Caption", true);
    cfg.Write("HooKL", false);
    cfg.Write("AutohideInterval", 2500);
    cfg.Write("CharFont", std::string("Courier New"));
    cfg.Write("CharFontSz", 12);
    TConfigForm dialog(nullptr, cfg);
    EXPECT_TRUE(dialog.chCaption->GetChecked());
    EXPECT_FALSE(dialog.chHooKL->GetChecked());
    EXPECT_EQ(dialog.btnAutohideInterval->GetPosition(), 2500);
    EXPECT_EQ(dialog.cbCharFont->GetText(), "Courier New");
    EXPECT_EQ(dialog.btnCharFontSz->GetPosition(), 12);
}

TEST(ConfigFormStored, StoredNumbersOutsideTheRangesAreClamped) {
    HCfgStorage cfg(nullptr);
    cfg.Write("AutohideInterval", 100000);
    cfg.Write("CharFontSz", 2);
    TConfigForm dialog(nullptr, cfg);
    EXPECT_EQ(dialog.btnAutohideInterval->GetPosition(), 5000);
    EXPECT_EQ(dialog.btnCharFontSz->GetPosition(), 10);
}

TEST_F(ConfigFormTest, CaptionsAreTheDialogsTexts) {
    EXPECT_EQ(dialog.GetCaption(), "Configure...");
    const std::vector<std::pair<TControl*, std::string>> captions = {
        {dialog.chOnTaskbar, "Show window on task bar"},
        {dialog.chCaption, "Show standard window title"},
        {dialog.chHooKL, "Monitor keyboard layout changes"},
        {dialog.chSetKL, "Set keyboard layout as in target app"},
        {dialog.chLRDiff, "Distinguish left and right shift-modifier keys"},
        {dialog.chIgnoreCA, "Ignore Control and Alt modifiers on key draw"},
        {dialog.chIgnoreLoadErrors, "Ignore keyfile load errors"},
        {dialog.chLoadLastForm, "Load last used form at strartup"},
        {dialog.chClearBuff, "Clear edit after send text"},
        {dialog.chDispChar, "Display pressed char"},
        {dialog.Label1, "Autohide interval"},
        {dialog.Label2, "ms"},
        {dialog.Label3, "Font"},
        {dialog.Label4, "Font size"},
        {dialog.Label5, "*"},
        {dialog.Label6, "* Option need restart to apply changes"},
        {dialog.ToolbarButton971, "&Ok"},
        {dialog.Button7, "&Cancel"},
        {dialog.tsApplication, "Application"},
        {dialog.tsChar, "Char"},
    };
    for (const auto& [control, text] : captions) EXPECT_EQ(control->GetCaption(), text) << control->GetName();
}

TEST_F(ConfigFormTest, PagesAreApplicationThenChar) {
    ASSERT_EQ(dialog.pages->PageCount(), 2);
    EXPECT_EQ(dialog.pages->Page(0), dialog.tsApplication);
    EXPECT_EQ(dialog.pages->Page(1), dialog.tsChar);
    EXPECT_EQ(dialog.chOnTaskbar->Parent(), dialog.tsApplication);
    EXPECT_EQ(dialog.chDispChar->Parent(), dialog.tsChar);
}

TEST_F(ConfigFormTest, ApplicationPageTabOrderIsTheDialogs) {
    const std::vector<std::pair<TCheckBox*, int>> orders = {
        {dialog.chOnTaskbar, 0}, {dialog.chCaption, 1},          {dialog.chHooKL, 2},
        {dialog.chSetKL, 7},     {dialog.chLRDiff, 3},           {dialog.chIgnoreCA, 4},
        {dialog.chIgnoreLoadErrors, 5}, {dialog.chLoadLastForm, 6}, {dialog.chClearBuff, 8}};
    for (const auto& [box, order] : orders) EXPECT_EQ(box->GetTabOrder(), order) << box->GetName();
}

TEST_F(ConfigFormTest, CheckBoxesStandTopToBottomInTheTablesOrder) {
    const std::vector<TCheckBox*> rows = {dialog.chOnTaskbar, dialog.chCaption,          dialog.chHooKL,
                                          dialog.chSetKL,     dialog.chLRDiff,           dialog.chIgnoreCA,
                                          dialog.chIgnoreLoadErrors, dialog.chLoadLastForm, dialog.chClearBuff};
    for (size_t i = 1; i < rows.size(); ++i) EXPECT_GT(rows[i]->GetTop(), rows[i - 1]->GetTop()) << rows[i]->GetName();
    EXPECT_LT(dialog.Label5->GetLeft(), dialog.chCaption->GetLeft());
    EXPECT_NEAR(dialog.Label5->GetTop(), dialog.chCaption->GetTop(), 4);
}

TEST_F(ConfigFormTest, RestartNotesAreRed) {
    EXPECT_EQ(dialog.Label5->GetFont()->GetColor(), clRed);
    EXPECT_EQ(dialog.Label6->GetFont()->GetColor(), clRed);
}

TEST_F(ConfigFormTest, UpDownsHaveTheRangesAndSteps) {
    EXPECT_EQ(dialog.btnAutohideInterval->GetMin(), 300);
    EXPECT_EQ(dialog.btnAutohideInterval->GetMax(), 5000);
    EXPECT_EQ(dialog.btnAutohideInterval->GetIncrement(), 100);
    EXPECT_EQ(dialog.btnAutohideInterval->GetAssociate(), dialog.Edit1);
    EXPECT_EQ(dialog.btnCharFontSz->GetMin(), 10);
    EXPECT_EQ(dialog.btnCharFontSz->GetMax(), 50);
    EXPECT_EQ(dialog.btnCharFontSz->GetIncrement(), 1);
    EXPECT_EQ(dialog.btnCharFontSz->GetAssociate(), dialog.Edit2);
}

TEST_F(ConfigFormTest, OkIsTheDefaultButtonAndCancelTheCancelButton) {
    EXPECT_TRUE(dialog.ToolbarButton971->GetDefault());
    EXPECT_EQ(dialog.ToolbarButton971->OnClick.MethodName(), "ToolbarButton971Click");
    EXPECT_TRUE(dialog.Button7->GetCancel());
    EXPECT_EQ(dialog.Button7->GetModalResult(), mrCancel);
}

TEST_F(ConfigFormTest, ControlsFitTheClientArea) {
    EXPECT_EQ(dialog.GetClientWidth(), 438);
    EXPECT_EQ(dialog.GetClientHeight(), 372);
    for (TControl* c : std::vector<TControl*>{dialog.pages, dialog.ToolbarButton971, dialog.Button7, dialog.Label6}) {
        EXPECT_LE(c->GetLeft() + c->GetWidth(), 438) << c->GetName();
        EXPECT_LE(c->GetTop() + c->GetHeight(), 372) << c->GetName();
    }
    EXPECT_GT(dialog.ToolbarButton971->GetTop(), dialog.pages->GetTop() + dialog.pages->GetHeight());
    EXPECT_GT(dialog.Button7->GetLeft(), dialog.ToolbarButton971->GetLeft());
}
}  // namespace
