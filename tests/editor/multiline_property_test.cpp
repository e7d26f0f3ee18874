// Captions edited through the multi-line property editor's dialog.
#include <gtest/gtest.h>

#include "components/editors/multiline_property.h"
#include "support/framework/std_controls.h"
// The framework's headers come before the Windows ones, whose macros rename GetObject.
#include "editor_robot.h"
#include "support/controls/button.h"
#include "support/controls/standard_controls.h"

namespace {
class MultilineProperty : public ::testing::Test {
protected:
    MultilineProperty() {
        InstallStandardControls();
        first->SetName("Key1");
        second->SetName("Key2");
        first->SetCaption("a\nb");
    }
    TComponent form{nullptr};
    TLabel* first = new TLabel(&form);
    TLabel* second = new TLabel(&form);
};

TModalRobot::TStep Press(TButton* THMultilineEditorForm::*button) {
    return [button](TModalForm& form, HWND) {
        const HWND wnd = static_cast<HWND>((EditorOf(form).*button)->Handle());
        PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    };
}

TEST_F(MultilineProperty, OkSetsTheEditedLinesOnEverySelectedObject) {
    HMultilineProperty editor({nullptr, {first, second}, "Caption"});
    ASSERT_TRUE(editor.GetAttributes().Contains(TPropertyAttribute::paDialog));
    int limit = 0;
    TModalRobot robot("Key1.Caption");
    robot.Then(TypeIntoMemo(L"x"))
        .Then([&](TModalForm& form, HWND) { limit = EditorOf(form).Memo->GetMaxLength(); })
        .Then(Press(&THMultilineEditorForm::btnOk));
    editor.Edit();
    EXPECT_TRUE(robot.SawForm());
    EXPECT_EQ(limit, HMultilineProperty::kEditLimit);
    EXPECT_EQ(first->GetCaption(), "xa\nb");
    EXPECT_EQ(second->GetCaption(), "xa\nb");
}

TEST_F(MultilineProperty, CloseLeavesThePropertyAsItWas) {
    HMultilineProperty editor({nullptr, {first}, "Caption"});
    TModalRobot robot("Key1.Caption");
    robot.Then(TypeIntoMemo(L"changed")).Then(Press(&THMultilineEditorForm::btnClose));
    editor.Edit();
    EXPECT_TRUE(robot.SawForm());
    EXPECT_EQ(first->GetCaption(), "a\nb");
}
}  // namespace
