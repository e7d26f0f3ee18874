#include "support/dialogs/xmessage_box.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "dialog_robot.h"
#include "support/lib/paths.h"

using ::testing::ElementsAre;

namespace {
using Texts = std::vector<std::string>;

class XMessageBoxTest : public DialogFixture {
protected:
    int Show(unsigned flags, const char* text = "Text") { return XMessageBox(owner, text, "Caption", flags, 0); }
};

TEST_F(XMessageBoxTest, TheControlIOQuestionHasYesYesToAllNoAndAnErrorIcon) {
    TShownDialog shown;
    TDialogRobot robot("Caption");
    robot.Inspect(shown).Click("Yes to &All");
    EXPECT_EQ(Show(0x4000014), 11);
    EXPECT_THAT(shown.ButtonTexts(), ElementsAre("&Yes", "Yes to &All", "&No"));
    EXPECT_TRUE(shown.HasIcon);
    EXPECT_FALSE(shown.HasCheckBox);
    ASSERT_NE(shown.DefaultButton(), nullptr);
    EXPECT_EQ(shown.DefaultButton()->Text, "&Yes");
    EXPECT_EQ(shown.FocusId, 6);
    EXPECT_THAT(shown.Texts, ElementsAre("Text"));
    EXPECT_EQ(shown.Owner, owner);
}

TEST_F(XMessageBoxTest, TheControlIOQuestionIgnoresEscapeAndTheCloseBox) {
    TShownDialog before, after;
    TDialogRobot robot("Caption");
    robot.Inspect(before).PressEscape().CloseBox().Inspect(after).Click("&No");
    EXPECT_EQ(Show(0x4000014), 7);
    EXPECT_FALSE(before.CloseEnabled);
    EXPECT_EQ(after.Window, before.Window);
}

TEST_F(XMessageBoxTest, TheControlIOQuestionReturnsYes) {
    TDialogRobot robot("Caption");
    robot.Click("&Yes");
    EXPECT_EQ(Show(0x4000014), 6);
}

TEST_F(XMessageBoxTest, EscapeAndTheCloseBoxGiveOkWhenOkIsTheOnlyButton) {
    TShownDialog shown;
    TDialogRobot robot("Caption");
    robot.Inspect(shown).PressEscape();
    EXPECT_EQ(Show(XMB_OK), 1);
    EXPECT_TRUE(shown.CloseEnabled);
    EXPECT_THAT(shown.ButtonTexts(), ElementsAre("OK"));
    EXPECT_FALSE(shown.HasIcon);
    robot.CloseBox();
    EXPECT_EQ(Show(XMB_OK), 1);
}

TEST_F(XMessageBoxTest, EscapeAndTheCloseBoxGiveCancelWhenThereIsOne) {
    TDialogRobot robot("Caption");
    robot.PressEscape();
    EXPECT_EQ(Show(XMB_YESNOCANCEL), 2);
    robot.CloseBox();
    EXPECT_EQ(Show(XMB_RETRYCANCEL), 2);
    robot.Click("Cancel");
    EXPECT_EQ(Show(XMB_OKCANCEL), 2);
}

TEST_F(XMessageBoxTest, EveryButtonSetShowsItsButtonsInOrder) {
    struct Case {
        unsigned Flags;
        Texts Buttons;
    };
    const Case cases[] = {
        {XMB_OK, {"OK"}},
        {XMB_OKCANCEL, {"OK", "Cancel"}},
        {XMB_ABORTRETRYIGNORE, {"&Abort", "&Retry", "&Ignore"}},
        {XMB_YESNOCANCEL, {"&Yes", "&No", "Cancel"}},
        {XMB_YESNO, {"&Yes", "&No"}},
        {XMB_RETRYCANCEL, {"&Retry", "Cancel"}},
        {XMB_CONTINUEABORT, {"&Continue", "&Abort"}},
        {XMB_YESNOCANCEL | XMB_YESTOALL | XMB_NOTOALL, {"&Yes", "Yes to &All", "&No", "No to A&ll", "Cancel"}},
        {XMB_YESNO | XMB_NOTOALL | XMB_HELP, {"&Yes", "&No", "No to A&ll", "&Help"}},
    };
    for (const auto& c : cases) {
        TShownDialog shown;
        TDialogRobot robot("Caption");
        robot.Inspect(shown).Click(c.Buttons.front());
        Show(c.Flags);
        EXPECT_EQ(shown.ButtonTexts(), c.Buttons) << std::hex << c.Flags;
        EXPECT_TRUE(shown.Buttons.front().Default) << std::hex << c.Flags;
    }
}

TEST_F(XMessageBoxTest, EachButtonReturnsItsValue) {
    struct Case {
        unsigned Flags;
        const char* Button;
        int Result;
    };
    const Case cases[] = {
        {XMB_OK, "OK", 1},           {XMB_OKCANCEL, "Cancel", 2},        {XMB_ABORTRETRYIGNORE, "&Abort", 3},
        {XMB_ABORTRETRYIGNORE, "&Retry", 4}, {XMB_ABORTRETRYIGNORE, "&Ignore", 5}, {XMB_YESNO, "&Yes", 6},
        {XMB_YESNO, "&No", 7},       {XMB_CONTINUEABORT, "&Continue", 11}, {XMB_CONTINUEABORT, "&Abort", 3},
        {XMB_YESNO | XMB_NOTOALL, "No to A&ll", 12},
    };
    for (const auto& c : cases) {
        TDialogRobot robot("Caption");
        robot.Click(c.Button);
        EXPECT_EQ(Show(c.Flags), c.Result) << c.Button;
    }
}

TEST_F(XMessageBoxTest, TheDefaultButtonFieldPicksTheDefaultAndTheFocus) {
    TShownDialog shown;
    TDialogRobot robot("Caption");
    robot.Inspect(shown).PressKey(VK_RETURN);
    EXPECT_EQ(Show(XMB_YESNOCANCEL | 256), 7);
    ASSERT_NE(shown.DefaultButton(), nullptr);
    EXPECT_EQ(shown.DefaultButton()->Text, "&No");
    EXPECT_EQ(shown.FocusId, 7);
    EXPECT_EQ(std::count_if(shown.Buttons.begin(), shown.Buttons.end(), [](auto& b) { return b.Default; }), 1);
}

TEST_F(XMessageBoxTest, ADefaultBeyondTheButtonsMakesTheFirstTheDefault) {
    TShownDialog shown;
    TDialogRobot robot("Caption");
    robot.Inspect(shown).PressKey(VK_RETURN);
    EXPECT_EQ(Show(XMB_YESNO | 768), 6);
    ASSERT_NE(shown.DefaultButton(), nullptr);
    EXPECT_EQ(shown.DefaultButton()->Text, "&Yes");
}

TEST_F(XMessageBoxTest, HelpComesLastAndLeavesTheBoxOpen) {
    TShownDialog after;
    TDialogRobot robot("Caption");
    robot.Click("&Help").Inspect(after).Click("OK");
    EXPECT_EQ(XMessageBox(owner, "Text", "Caption", XMB_OK | XMB_HELP, 17), 1);
    EXPECT_THAT(after.ButtonTexts(), ElementsAre("OK", "&Help"));
}

TEST_F(XMessageBoxTest, TheTickedCheckBoxAddsItsBit) {
    TShownDialog shown;
    TDialogRobot robot("Caption");
    robot.Inspect(shown).TickCheckBox().Click("&Yes");
    EXPECT_EQ(Show(XMB_YESNO | XMB_NOTASKAGAIN), 0x01000006);
    EXPECT_TRUE(shown.HasCheckBox);
    EXPECT_FALSE(shown.CheckBoxTicked);
    EXPECT_EQ(shown.CheckBoxText, "Don't ask me again");

    robot.Inspect(shown).TickCheckBox().Click("OK");
    EXPECT_EQ(Show(XMB_OK | XMB_NOTTELLAGAIN), 0x02000001);
    EXPECT_EQ(shown.CheckBoxText, "Don't tell me again");
}

TEST_F(XMessageBoxTest, AnUntickedCheckBoxAddsNothing) {
    TDialogRobot robot("Caption");
    robot.Click("&No");
    EXPECT_EQ(Show(XMB_YESNO | XMB_NOTTELLAGAIN), 7);
}

TEST_F(XMessageBoxTest, AskAgainWinsOverTellAgain) {
    TShownDialog shown;
    TDialogRobot robot("Caption");
    robot.Inspect(shown).TickCheckBox().Click("OK");
    EXPECT_EQ(Show(XMB_OK | XMB_NOTASKAGAIN | XMB_NOTTELLAGAIN), 0x01000001);
    EXPECT_EQ(shown.CheckBoxText, "Don't ask me again");
}

TEST_F(XMessageBoxTest, ButtonsShareARowBelowTheTextWithTheCheckBoxUnderIt) {
    TShownDialog shown;
    TDialogRobot robot("Caption");
    robot.Inspect(shown).Click("Cancel");
    Show(XMB_YESNOCANCEL | XMB_ICONQUESTION | XMB_NOTASKAGAIN, "A question\nover two lines?");
    ASSERT_EQ(shown.Buttons.size(), 3u);
    const auto& b = shown.Buttons;
    for (const auto& button : b) {
        EXPECT_EQ(button.Bounds.top, b[0].Bounds.top);
        EXPECT_EQ(button.Bounds.right - button.Bounds.left, b[0].Bounds.right - b[0].Bounds.left);
        EXPECT_GE(button.Bounds.top, shown.TextBounds.bottom);
        EXPECT_LE(button.Bounds.right, shown.Client.right);
    }
    EXPECT_NEAR(b[2].Bounds.left - b[1].Bounds.left, b[1].Bounds.left - b[0].Bounds.left, 1);
    EXPECT_GT(b[1].Bounds.left, b[0].Bounds.right);
    EXPECT_NEAR(b[0].Bounds.left - shown.Client.left, shown.Client.right - b[2].Bounds.right, 2);
    EXPECT_GT(shown.CheckBoxBounds.top, b[0].Bounds.bottom);
    EXPECT_LE(shown.CheckBoxBounds.bottom, shown.Client.bottom);
    EXPECT_LE(shown.CheckBoxBounds.right, shown.Client.right);
    EXPECT_GT(shown.TextBounds.left, 16) << "the icon is left of the text";
}

TEST_F(XMessageBoxTest, AnEmptyCaptionShowsTheProgramPath) {
    TShownDialog shown;
    TDialogRobot robot;
    robot.Inspect(shown).Click("OK");
    XMessageBox(owner, "Text", "", XMB_OK | XMB_NOSOUND, 0);
    EXPECT_EQ(shown.Caption, GetModulePath());
    robot.Inspect(shown).Click("OK");
    XMessageBox(owner, "Text", nullptr, XMB_OK, 0);
    EXPECT_EQ(shown.Caption, GetModulePath());
}

TEST_F(XMessageBoxTest, ButtonTextsComeInTheUsersLanguageUnlessBuiltInAreAskedFor) {
    SetUserLanguage(TUserLanguage::Russian);
    TShownDialog shown;
    TDialogRobot robot("Caption");
    robot.Inspect(shown).Click("Отменить");
    EXPECT_EQ(Show(XMB_YESNOCANCEL | XMB_YESTOALL | XMB_NOTASKAGAIN), 2);
    EXPECT_THAT(shown.ButtonTexts(), ElementsAre("Да", "Да для всех", "Нет", "Отменить"));
    EXPECT_EQ(shown.CheckBoxText, "Больше не задавать этого вопроса");

    robot.Inspect(shown).Click("OK");
    Show(XMB_OKCANCEL);
    EXPECT_THAT(shown.ButtonTexts(), ElementsAre("OK", "Отменить"));

    robot.Inspect(shown).Click("&No");
    Show(XMB_YESNO | XMB_BUILTINTEXTS);
    EXPECT_THAT(shown.ButtonTexts(), ElementsAre("&Yes", "&No"));
}

TEST_F(XMessageBoxTest, SystemModalErrorsUseTheSystemsBox) {
    TShownDialog shown;
    TDialogRobot robot("Caption");
    robot.Inspect(shown).Then([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDNO, 0); });
    EXPECT_EQ(Show(XMB_SYSTEMMODAL | XMB_ICONERROR | XMB_YESNO | XMB_YESTOALL), 7);
    EXPECT_EQ(shown.Buttons.size(), 2u) << "the system's box has no Yes to All";
}

TEST_F(XMessageBoxTest, SystemModalWithoutAnErrorIconStaysOwn) {
    TShownDialog shown;
    TDialogRobot robot("Caption");
    robot.Inspect(shown).Click("Yes to &All");
    EXPECT_EQ(Show(XMB_SYSTEMMODAL | XMB_ICONQUESTION | XMB_YESNO | XMB_YESTOALL), 11);
    EXPECT_EQ(shown.Buttons.size(), 3u);
}

TEST_F(XMessageBoxTest, AbsurdInputsAreShownWithoutHarm) {
    TDialogRobot robot;
    robot.Click("OK");
    EXPECT_EQ(XMessageBox(nullptr, nullptr, nullptr, XMB_OK | XMB_NOSOUND, 0), 1);
    robot.Click("OK");
    EXPECT_EQ(XMessageBox(nullptr, "", "", XMB_OK | XMB_ICONINFORMATION, 0), 1);
    std::string longText(200000, 'x');
    for (size_t i = 50; i < longText.size(); i += 51) longText[i] = i % 7 ? ' ' : '\n';
    robot.Click("OK");
    EXPECT_EQ(XMessageBox(owner, longText.c_str(), "Caption", XMB_OK, 0), 1);
    robot.Click("OK");
    EXPECT_EQ(XMessageBox(owner, "\xFF\xFE broken \xD0", std::string(5000, 'c').c_str(), XMB_OK, 0), 1);
}

TEST_F(XMessageBoxTest, TheOwnerIsDisabledWhileTheBoxIsUp) {
    bool ownerEnabled = true;
    TDialogRobot robot("Caption");
    robot.Then([&](HWND) { ownerEnabled = IsWindowEnabled(owner); }).Click("OK");
    Show(XMB_OK);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
}
}  // namespace
