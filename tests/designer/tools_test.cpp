// The commands around the design: the layout as plain text, the tool windows, and the keys
// of design mode.
#include "designer_fixture.h"

#include <windows.h>

#include "components/surface/design_panel.h"
#include "components/visual/dock97/h_tool_window97.h"
#include "designer/engine/designer.h"
#include "designer/engine/designer_panel.h"
#include "designer/engine/selected_controls.h"
#include "support/inspector/inspector_grid.h"
#include "support/inspector/inspector_rows.h"
#include "support/inspector/object_inspector.h"
#include "components/config/storage_link.h"
#include "support/lib/config/config_item.h"
#include "designer/alignment_dialog.h"
#include "designer/configuration_dialog.h"
#include "designer/engine/designer_grid.h"
#include "support/controls/page_control.h"
#include "support/controls/check_box.h"
#include "support/controls/up_down.h"
#include "modal_robot.h"
#include "support/controls/radio_group.h"
#include "support/controls/memo.h"
#include "support/editor/multiline_editor_form.h"

namespace {
// A step of the text editor: its memo's text changed by change, then OK.
TModalRobot::TStep EditAndConfirm(std::function<std::string(std::string)> change) {
    return [change](TModalForm& dialog, HWND) {
        auto& editor = static_cast<THMultilineEditorForm&>(dialog);
        editor.Memo->SetText(change(editor.Memo->GetText()));
        editor.SetModalResult(mrOk);
    };
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST_F(DesignerTest, EditAsPlainTextReadsTheEditAndABadEditKeepsTheForm) {
    Start({WriteFile("a.osk", KeysLayout({"A1"}))});
    form->Design1Click(nullptr);
    {
        TModalRobot robot("a.osk");
        robot.Then(EditAndConfirm([](std::string t) { return Replaced(t, "Left = 10", "Left = 99"); }));
        form->mnuTextEditClick(nullptr);
        ASSERT_TRUE(robot.SawForm());
    }
    EXPECT_EQ(LeftOf("A1"), 99);
    EXPECT_TRUE(form->CurrentForm()->Modified);
    EXPECT_TRUE(form->IsDesignMode());
    {
        TModalRobot robot("[*] a.osk");
        robot.Then(EditAndConfirm([](std::string) { return "object broken"; }));
        form->mnuTextEditClick(nullptr);
        ASSERT_TRUE(robot.SawForm());
    }
    EXPECT_EQ(SurfaceNames(), std::vector<std::string>{"A1"});
    EXPECT_EQ(LeftOf("A1"), 99) << "the form as it was before the bad edit";
    ASSERT_FALSE(Reports().empty());
    EXPECT_NE(Reports().back().find("cannot be read"), std::string::npos) << Reports().back();
    EXPECT_TRUE(form->IsDesignMode());
}

TEST_F(DesignerTest, ClipboardKeysOnTheSurfaceNeedASelectionToCopyButPasteWithout) {
    Start({WriteFile("a.osk", KeysLayout({"A1"}))});
    form->Design1Click(nullptr);
    ASSERT_TRUE(form->DesignPanel->Focused());
    form->designer->GetSelectedControls()->ClearExcept(form->DesignPlace->Controls(0));
    EXPECT_TRUE(form->FormShortCut(VK_INSERT, ssCtrl));
    form->designer->GetSelectedControls()->Clear();
    EXPECT_TRUE(form->FormShortCut(VK_INSERT, ssCtrl)) << "handled, and nothing copied";
    EXPECT_TRUE(form->FormShortCut(VK_INSERT, ssShift));
    EXPECT_EQ(form->DesignPlace->ControlCount(), 2) << "Shift+Insert pasted what Ctrl+Insert copied";
}

TEST_F(DesignerTest, ALetterTypedOnTheSurfaceGoesToTheInspector) {
    Start({WriteFile("a.osk", KeysLayout({"A1"}))});
    form->Design1Click(nullptr);
    form->designer->GetSelectedControls()->ClearExcept(form->DesignPlace->Controls(0));
    Pump();
    EXPECT_FALSE(form->FormShortCut('K', ssCtrl)) << "Ctrl with a letter is not redirected";
    EXPECT_TRUE(form->FormShortCut('K', 0));
    Pump();
    const HWND inspector = static_cast<HWND>(form->inspector->Handle());
    const HWND focus = GetFocus();
    EXPECT_TRUE(focus == inspector || IsChild(inspector, focus)) << "the inspector has the keyboard";
}
}  // namespace

namespace {
TEST_F(DesignerTest, TheInspectorColoursItsRowsByTheirType) {
    Start({WriteFile("a.osk", KeysLayout({"A1"}))});
    form->Design1Click(nullptr);
    form->designer->GetSelectedControls()->ClearExcept(form->DesignPlace->Controls(0));
    const TInspectorRows& rows = form->inspector->Grid().Rows();
    auto paint = [&](const char* path) {
        TFont font;
        TColor background = 0;
        form->inspectorGetCellParams(form->inspector, rows.Find(path)->Editor.get(), &font, background);
        return font;
    };
    EXPECT_EQ(paint("Anchors").GetColor(), 0x808000u) << "a set";
    EXPECT_TRUE(paint("Font").GetStyle().Contains(fsBold)) << "a class with sub-properties";
    EXPECT_EQ(paint("Left").GetColor(), TFont().GetColor()) << "an integer keeps its font";
}
}  // namespace

namespace {
// Chooses an item of a radio group as a click on its button does.
void ChooseItem(TRadioGroup& group, int index) {
    SendMessageW(static_cast<HWND>(group.Button(index)->Handle()), BM_CLICK, 0, 0);
}

TEST_F(DesignerTest, TheAlignmentDialogAlignsBothAxesInOneStepAndOpensOnDoNotChange) {
    Start({WriteFile("a.osk", KeysLayout({"A1", "A2", "A3"}))});
    form->DesignPlace->Controls(1)->SetBounds(60, 30, 30, 40);
    form->DesignPlace->Controls(2)->SetBounds(120, 20, 20, 20);
    form->Design1Click(nullptr);
    form->idESelAll(nullptr);
    int shownH = -1, shownV = -1;
    {
        TModalRobot robot("Alignment...");
        robot.Then([&](TModalForm& dialog, HWND) {
            auto& alignment = static_cast<TRTDAlignment&>(dialog);
            shownH = alignment.cbH->GetItemIndex();
            shownV = alignment.cbV->GetItemIndex();
            ChooseItem(*alignment.cbH, 1);  // Left
            ChooseItem(*alignment.cbV, 2);  // Bottom
            alignment.SetModalResult(mrOk);
        });
        form->idAlign(nullptr);
        ASSERT_TRUE(robot.SawForm());
    }
    EXPECT_EQ(shownH, 0);
    EXPECT_EQ(shownV, 0);
    const TControl& first = *form->DesignPlace->Controls(0);
    for (int i = 1; i < 3; ++i) {
        const TControl& key = *form->DesignPlace->Controls(i);
        EXPECT_EQ(key.GetLeft(), first.GetLeft()) << i;
        EXPECT_EQ(key.GetTop() + key.GetHeight(), first.GetTop() + first.GetHeight()) << i;
    }
    EXPECT_TRUE(form->designer->CanUndo());
    form->designer->Undo();
    EXPECT_EQ(LeftOf("A2"), 60) << "both axes were one step";
    {
        TModalRobot robot("Alignment...");
        robot.Then([&](TModalForm& dialog, HWND) {
            auto& alignment = static_cast<TRTDAlignment&>(dialog);
            shownH = alignment.cbH->GetItemIndex();
            ChooseItem(*alignment.cbH, 4);
            alignment.SetModalResult(mrCancel);
        });
        form->idAlign(nullptr);
    }
    EXPECT_EQ(shownH, 0) << "the dialog opens on Do not change again";
    EXPECT_EQ(LeftOf("A2"), 60) << "Cancel changes nothing";
}
}  // namespace

namespace {
TEST_F(DesignerTest, TheSettingsDialogWritesAllFifteenOnOkAndNothingOnCancel) {
    Start();
    const std::vector<std::string> keys{"Autosave", "Compress", "TextForm", "AutoNewForm", "DoReopen",
                                        "Designer/GridAlign", "Designer/GridVisible", "Designer/GridWidth",
                                        "Designer/GridHeight", "Designer/GridBk", "Designer/GridColor", "OSKWidth",
                                        "OSKHeight", "LRDiff", "IgnoreCA"};
    auto stored = [&] {
        int count = 0;
        for (const std::string& key : keys) count += static_cast<int>(form->Settings()->GetKey()->AllValues().count(key));
        return count;
    };
    const int before = stored();
    bool doReopenShown = true;
    {
        TModalRobot robot("Designer configuration...");
        robot.Then([&](TModalForm& dialog, HWND) {
            auto& config = static_cast<TConfiguration&>(dialog);
            doReopenShown = config.chDoReopen->GetChecked();
            config.udWidth->SetPosition(640);
            config.SetModalResult(mrCancel);
        });
        form->Options1Click(nullptr);
        ASSERT_TRUE(robot.SawForm());
    }
    EXPECT_FALSE(doReopenShown) << "DoReopen missing from the file shows off";
    EXPECT_EQ(stored(), before) << "Cancel writes nothing";
    {
        TModalRobot robot("Designer configuration...");
        robot.Then([&](TModalForm& dialog, HWND) {
            auto& config = static_cast<TConfiguration&>(dialog);
            config.udWidth->SetPosition(640);
            config.udGridWidth->SetPosition(100);
            config.pages->SetActivePageIndex(2);
            config.SetModalResult(mrOk);
        });
        form->Options1Click(nullptr);
    }
    EXPECT_EQ(stored(), 15);
    EXPECT_EQ(form->designer->GetGrid()->GetXStep(), 100) << "a step of 100 reaches the engine";
    form->NewForm();
    EXPECT_EQ(form->DesignPlace->GetWidth(), 640) << "new forms take the new size";
    int page = -1;
    {
        TModalRobot robot("Designer configuration...");
        robot.Then([&](TModalForm& dialog, HWND) {
            page = static_cast<TConfiguration&>(dialog).pages->GetActivePageIndex();
            dialog.SetModalResult(mrCancel);
        });
        form->Options1Click(nullptr);
    }
    EXPECT_EQ(page, 2) << "the dialog opens on the page shown last";
}
}  // namespace

namespace {
TEST_F(DesignerTest, SavedSettingsCountOnlyFormsWithAFileAndKeepTheBoundsOfAMaximisedWindow) {
    Start({WriteFile("a.osk", KeysLayout({"A1"})), WriteFile("b.osk", KeysLayout({"B1"}))});
    form->NewForm();
    form->SetBounds(50, 60, 700, 500);
    form->cfgSave(nullptr);
    HStorageLink& settings = *form->Settings();
    EXPECT_EQ(settings.Read("ReopenCount", -1), 2) << "the new form has no file";
    EXPECT_EQ(settings.Read("ReopenForm1", std::string()), PathOf("b.osk"));
    EXPECT_EQ(settings.Read("WindowW", -1), 700);
    ShowWindow(form->Window(), SW_MAXIMIZE);
    Pump();
    form->cfgSave(nullptr);
    EXPECT_EQ(settings.Read("WindowState", -1), 2);
    EXPECT_EQ(settings.Read("WindowW", -1), 700) << "a maximised window keeps the bounds it had";
}
}  // namespace
