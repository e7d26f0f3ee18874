#include <gtest/gtest.h>

#include "support/editor/text_editor.h"
#include "editor_robot.h"
#include "support/controls/button.h"
#include "support/controls/standard_controls.h"
#include "support/framework/std_controls.h"
#include "support/win32/form.h"

namespace {
constexpr const char* kDefaultCaption = "Редактор";

class TextEditorTest : public ::testing::Test {
protected:
    TextEditorTest() { InstallStandardControls(); }
    ~TextEditorTest() override { HoldControl(false); }
};

// What the dialog showed, read while it was up.
struct TSeen {
    std::string Counter;
    std::string MemoText;
    int MaxLength = -2;
    LRESULT WindowLimit = 0;
};

TModalRobot::TStep Look(TSeen& seen) {
    return [&seen](TModalForm& form, HWND) {
        THMultilineEditorForm& editor = EditorOf(form);
        seen.Counter = editor.txtLines->GetCaption();
        seen.MemoText = editor.Memo->GetText();
        seen.MaxLength = editor.Memo->GetMaxLength();
        seen.WindowLimit = SendMessageW(static_cast<HWND>(editor.Memo->Handle()), EM_GETLIMITTEXT, 0, 0);
    };
}

TModalRobot::TStep Click(TButton* THMultilineEditorForm::*button) {
    return [button](TModalForm& form, HWND) {
        const HWND wnd = static_cast<HWND>((EditorOf(form).*button)->Handle());
        PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    };
}

TEST_F(TextEditorTest, OkGivesBackTheLinesJoinedWithLineFeeds) {
    std::string text = "first\r\nsecond\rthird\nfourth";
    TSeen seen;
    TModalRobot robot(kDefaultCaption);
    robot.Then(Look(seen)).Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(text, "", -1));
    EXPECT_TRUE(robot.SawForm());
    EXPECT_EQ(text, "first\nsecond\nthird\nfourth");
    EXPECT_EQ(seen.MemoText, "first\r\nsecond\r\nthird\r\nfourth");
}

TEST_F(TextEditorTest, CounterIsRightAtTheFirstDisplayAndFollowsTyping) {
    std::string text = "ab\r\ncd";
    TSeen before, after;
    TModalRobot robot("Counting");
    robot.Then(Look(before)).Then(TypeIntoMemo(L"xyz\r")).Then(Look(after)).Then(Click(&THMultilineEditorForm::btnClose));
    EXPECT_FALSE(HTextEditor(text, "Counting", -1));
    EXPECT_EQ(before.Counter, "Символов:    6 Строк:   2");
    EXPECT_EQ(after.Counter, "Символов:   11 Строк:   3");
}

TEST_F(TextEditorTest, CloseButtonLosesNothingOfTheTextEvenAfterEdits) {
    std::string text = "keep\nme";
    TModalRobot robot(kDefaultCaption);
    robot.Then(TypeIntoMemo(L"changed")).Then(Click(&THMultilineEditorForm::btnClose));
    EXPECT_FALSE(HTextEditor(text, "", -1));
    EXPECT_EQ(text, "keep\nme");
}

TEST_F(TextEditorTest, EscCancelsAndCtrlEnterAccepts) {
    std::string text = "abc";
    TModalRobot esc(kDefaultCaption);
    esc.Then(TypeIntoMemo(L"zz")).PressKey(VK_ESCAPE);
    EXPECT_FALSE(HTextEditor(text, "", -1));
    EXPECT_TRUE(esc.SawForm());
    EXPECT_EQ(text, "abc");

    TModalRobot ctrlEnter(kDefaultCaption);
    ctrlEnter.Then(TypeIntoMemo(L"d")).Then([](TModalForm&, HWND) { HoldControl(true); }).PressKey(VK_RETURN);
    EXPECT_TRUE(HTextEditor(text, "", -1));
    HoldControl(false);
    EXPECT_TRUE(ctrlEnter.SawForm());
    // The memo's caret starts at the beginning; Ctrl+Enter adds no line break of its own.
    EXPECT_EQ(text, "dabc");
}

TEST_F(TextEditorTest, CtrlEnterAcceptsEvenWithTheFocusOnTheCloseButton) {
    std::string text = "abc";
    TModalRobot robot(kDefaultCaption);
    robot.Then(TypeIntoMemo(L"d"))
        .Then([](TModalForm& form, HWND) {
            SetFocus(static_cast<HWND>(EditorOf(form).btnClose->Handle()));
            HoldControl(true);
        })
        .PressKey(VK_RETURN);
    EXPECT_TRUE(HTextEditor(text, "", -1));
    EXPECT_EQ(text, "dabc");
}

TEST_F(TextEditorTest, TheActiveFormIsDisabledWhileTheEditorIsUp) {
    TForm owner(nullptr);
    owner.SetCaption("Owner");
    owner.Show();
    SetActiveWindow(static_cast<HWND>(owner.Handle()));
    bool ownerEnabled = true;
    std::string text = "x";
    TModalRobot robot(kDefaultCaption);
    robot.Then([&](TModalForm&, HWND) { ownerEnabled = IsWindowEnabled(static_cast<HWND>(owner.Handle())); })
        .Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(text, "", -1));
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(static_cast<HWND>(owner.Handle())));
}

TEST_F(TextEditorTest, EnterAndTabAreTypedIntoTheMemo) {
    std::string text;
    TSeen seen;
    TModalRobot robot(kDefaultCaption);
    robot.PressKey('A').PressKey(VK_RETURN).PressKey(VK_TAB).PressKey('B').Then(Look(seen)).Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(text, "", -1));
    EXPECT_EQ(text, "a\n\tb");
    EXPECT_EQ(seen.Counter, "Символов:    5 Строк:   2");
}

TEST_F(TextEditorTest, GivenCaptionReplacesTheDefaultOne) {
    std::string text = "x";
    TModalRobot robot("layout.osk");
    robot.Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(text, "layout.osk", 0));
    EXPECT_TRUE(robot.SawForm());
}

TEST_F(TextEditorTest, LimitCapsTypingButNeverCutsTheGivenText) {
    std::string text = "0123456789";
    TSeen seen;
    TModalRobot robot(kDefaultCaption);
    robot.Then(TypeIntoMemo(L"abc")).Then(Look(seen)).Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(text, "", 5));
    EXPECT_EQ(seen.MaxLength, 5);
    EXPECT_EQ(text, "0123456789");

    std::string empty;
    TModalRobot typing(kDefaultCaption);
    typing.Then(TypeIntoMemo(L"abcdefgh")).Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(empty, "", 5));
    EXPECT_EQ(empty, "abcde");
}

TEST_F(TextEditorTest, LimitsMinusOneAndZeroLeaveTheMemoUncapped) {
    for (int limit : {-1, 0}) {
        std::string text = "t";
        TSeen seen;
        TModalRobot robot(kDefaultCaption);
        robot.Then(Look(seen)).Then(Click(&THMultilineEditorForm::btnOk));
        EXPECT_TRUE(HTextEditor(text, "", limit));
        EXPECT_EQ(seen.MaxLength, 0) << limit;
        // The edit control's own maximum, far beyond its default of 30000 characters.
        EXPECT_GT(static_cast<unsigned long long>(seen.WindowLimit), 1000000ULL) << limit;
    }
}

TEST_F(TextEditorTest, HugeTextComesBackWhole) {
    std::string text;
    const std::string line(99, 'w');
    for (int i = 0; i < 20000; ++i) text += line + "\n";
    text += "end";
    const std::string given = text;
    TSeen seen;
    TModalRobot robot(kDefaultCaption);
    robot.Then(Look(seen)).Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(text, "", 0));
    EXPECT_EQ(text, given);
    EXPECT_EQ(seen.Counter, "Символов: 2020003 Строк: 20001");
}

TEST_F(TextEditorTest, BytesThatAreNoUtf8SurviveUnlessEdited) {
    const std::string given = "caf\xE9\r\n\xFF\xFEx";
    std::string text = given;
    TModalRobot robot(kDefaultCaption);
    robot.Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(text, "", -1));
    EXPECT_EQ(text, "caf\xE9\n\xFF\xFEx");

    // Once edited, the text is what the window shows: broken bytes became U+FFFD.
    TModalRobot editing(kDefaultCaption);
    editing.Then(TypeIntoMemo(L"!")).Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(text, "", -1));
    EXPECT_EQ(text, "!caf\xEF\xBF\xBD\n\xEF\xBF\xBD\xEF\xBF\xBDx");
}

TEST_F(TextEditorTest, StringListComesBackLineForLineOnOkOnly) {
    TStrings lines;
    lines.Add("one");
    lines.Add("");
    lines.Add("three");
    lines.Add("");
    TModalRobot robot(kDefaultCaption);
    robot.Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(&lines, "", -1));
    ASSERT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines[2], "three");
    EXPECT_EQ(lines[3], "");

    TModalRobot cancel(kDefaultCaption);
    cancel.Then(TypeIntoMemo(L"new\r")).PressKey(VK_ESCAPE);
    EXPECT_FALSE(HTextEditor(&lines, "", -1));
    EXPECT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines[0], "one");

    TModalRobot typing(kDefaultCaption);
    typing.Then(TypeIntoMemo(L"new\r")).Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(&lines, "", -1));
    ASSERT_EQ(lines.Count(), 5);
    EXPECT_EQ(lines[0], "new");
    EXPECT_EQ(lines[1], "one");
}

TEST_F(TextEditorTest, NullListIsAnEmptyOne) {
    TModalRobot robot(kDefaultCaption);
    robot.Then(TypeIntoMemo(L"lost")).Then(Click(&THMultilineEditorForm::btnOk));
    EXPECT_TRUE(HTextEditor(static_cast<TStrings*>(nullptr), "", -1));
}
}  // namespace

namespace {
TEST(KeyPreviewTest, FormHearsKeysBeforeTheFocusedControlAndMayConsumeThem) {
    InstallStandardControls();
    TModalForm form(nullptr);
    form.SetCaption("Preview");
    auto* memo = new TMemo(&form);
    memo->SetParent(&form);
    memo->SetBounds(8, 8, 200, 80);
    form.SetKeyPreview(true);
    std::vector<uint16_t> heard;
    form.OnKeyDown = [&heard](TObject*, uint16_t& key, TShiftState) {
        heard.push_back(key);
        if (key == 'X') key = 0;
    };
    TModalRobot robot("Preview");
    robot.PressKey('X').PressKey('Y').Then([](TModalForm& shown, HWND) { shown.SetModalResult(mrOk); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(memo->GetText(), "y");
    EXPECT_EQ(heard, (std::vector<uint16_t>{'X', 'Y'}));

    form.SetKeyPreview(false);
    memo->Clear();
    heard.clear();
    TModalRobot without("Preview");
    without.PressKey('X').Then([](TModalForm& shown, HWND) { shown.SetModalResult(mrOk); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(memo->GetText(), "x");
    EXPECT_TRUE(heard.empty());
}
}  // namespace
