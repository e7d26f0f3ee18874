#include "support/dialogs/questions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "dialog_robot.h"
#include "support/dialogs/core/message_box_flags.h"

using ::testing::ElementsAre;

namespace {
class QuestionsTest : public DialogFixture {};

TEST_F(QuestionsTest, AskYesNoShowsAQuestionWithYesAndNo) {
    TShownDialog shown;
    TDialogRobot robot("Question...");
    robot.Inspect(shown).Click("&Yes");
    EXPECT_TRUE(AskYesNo(owner, "Save programm settings?"));
    EXPECT_THAT(shown.ButtonTexts(), ElementsAre("&Yes", "&No"));
    EXPECT_THAT(shown.Texts, ElementsAre("Save programm settings?"));
    EXPECT_TRUE(shown.HasIcon);
    EXPECT_FALSE(shown.HasCheckBox);
    EXPECT_EQ(shown.Owner, owner);
    robot.Click("&No");
    EXPECT_FALSE(AskYesNo(owner, "Again?"));
}

TEST_F(QuestionsTest, AskYesNoWithAFlagForgetsTheQuestionAfterATickedYes) {
    bool ask = true;
    TShownDialog shown;
    TDialogRobot robot("Question...");
    robot.Inspect(shown).TickCheckBox().Click("&Yes");
    EXPECT_TRUE(AskYesNo(owner, "Sure?", &ask));
    EXPECT_EQ(shown.CheckBoxText, "Don't tell me again");
    EXPECT_FALSE(ask);

    TDialogRobot silent;
    EXPECT_TRUE(AskYesNo(owner, "Sure?", &ask));
    EXPECT_FALSE(silent.SawDialog());
}

TEST_F(QuestionsTest, AskYesNoNoKeepsTheFlagTickedOrNot) {
    bool ask = true;
    TDialogRobot robot("Question...");
    robot.TickCheckBox().Click("&No");
    EXPECT_FALSE(AskYesNo(owner, "Sure?", &ask));
    EXPECT_TRUE(ask);
    robot.Click("&No");
    EXPECT_FALSE(AskYesNo(owner, "Sure?", &ask));
    EXPECT_TRUE(ask);
    robot.Click("&Yes");
    EXPECT_TRUE(AskYesNo(owner, "Sure?", &ask));
    EXPECT_TRUE(ask) << "an unticked Yes asks again next time";
}

TEST_F(QuestionsTest, AskYesNoFormatsItsText) {
    TShownDialog shown;
    TDialogRobot robot("Question...");
    robot.Inspect(shown).Click("&Yes");
    EXPECT_TRUE(AskYesNo(owner, nullptr, "Load %s (%d keys)?", "base.osk", 104));
    EXPECT_THAT(shown.Texts, ElementsAre("Load base.osk (104 keys)?"));
    EXPECT_FALSE(shown.HasCheckBox);
}

TEST_F(QuestionsTest, AskYesNoCancelRemembersATickedAnswer) {
    int answer = 0;
    TShownDialog shown;
    TDialogRobot robot("Question...");
    robot.Inspect(shown).TickCheckBox().Click("&No");
    EXPECT_EQ(AskYesNoCancel(owner, "Replace?", &answer), 7);
    EXPECT_THAT(shown.ButtonTexts(), ElementsAre("&Yes", "&No", "Cancel"));
    EXPECT_EQ(answer, 7);

    TDialogRobot silent;
    EXPECT_EQ(AskYesNoCancel(owner, "Replace?", &answer), 7);
    EXPECT_FALSE(silent.SawDialog());
}

TEST_F(QuestionsTest, AskYesNoCancelAsksAgainWhenTheRememberedAnswerIsCancel) {
    int answer = 2;
    TDialogRobot robot("Question...");
    robot.Click("&Yes");
    EXPECT_EQ(AskYesNoCancel(owner, "Replace?", &answer), 6);
    EXPECT_TRUE(robot.SawDialog());
    EXPECT_EQ(answer, 2) << "an unticked answer is not remembered";
}

TEST_F(QuestionsTest, AskYesNoCancelGivesCancelForCancelAndEscapeEvenTicked) {
    int answer = 0;
    TDialogRobot robot("Question...");
    robot.TickCheckBox().Click("Cancel");
    EXPECT_EQ(AskYesNoCancel(owner, "Replace?", &answer), 2);
    EXPECT_EQ(answer, 0);
    robot.PressEscape();
    EXPECT_EQ(AskYesNoCancel(owner, nullptr, "Replace %s?", "x"), 2);
}

TEST_F(QuestionsTest, AskMessageShowsAnErrorWithOk) {
    TShownDialog shown;
    TDialogRobot robot("Attention...");
    robot.Inspect(shown).Click("OK");
    AskMessage(owner, "Layout hook failed");
    EXPECT_THAT(shown.ButtonTexts(), ElementsAre("OK"));
    EXPECT_THAT(shown.Texts, ElementsAre("Layout hook failed"));
    EXPECT_TRUE(shown.HasIcon);
    EXPECT_FALSE(shown.HasCheckBox);
}

TEST_F(QuestionsTest, AskMessageWithAFlagStopsShowingAfterATick) {
    bool show = true;
    TShownDialog shown;
    TDialogRobot robot("Attention...");
    robot.Inspect(shown).Click("OK");
    AskMessage(owner, &show, "Error %d", 5);
    EXPECT_EQ(shown.CheckBoxText, "Don't tell me again");
    EXPECT_THAT(shown.Texts, ElementsAre("Error 5"));
    EXPECT_TRUE(show);

    robot.TickCheckBox().PressEscape();
    AskMessage(owner, "Error", &show);
    EXPECT_FALSE(show);

    TDialogRobot silent;
    AskMessage(owner, "Error", &show);
    EXPECT_FALSE(silent.SawDialog());
}

TEST_F(QuestionsTest, CaptionsComeInTheUsersLanguage) {
    SetUserLanguage(TUserLanguage::Russian);
    TShownDialog shown;
    TDialogRobot robot("Вопрос...");
    robot.Inspect(shown).Click("Да");
    EXPECT_TRUE(AskYesNo(owner, "Сохранить?"));
    EXPECT_THAT(shown.Texts, ElementsAre("Сохранить?"));
}

TEST_F(QuestionsTest, TheProgramsWindowsAreDisabledDuringTheQuestionAndRestoredAfter) {
    HWND other = CreateWindowExW(0, L"STATIC", L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    bool otherEnabled = true;
    TDialogRobot robot("Question...");
    robot.Then([&](HWND) { otherEnabled = IsWindowEnabled(other); }).Click("&Yes");
    SetLastError(1234);
    AskYesNo(owner, "Sure?");
    DWORD error = GetLastError();
    EXPECT_EQ(error, 1234u);
    EXPECT_FALSE(otherEnabled);
    EXPECT_TRUE(IsWindowEnabled(other));
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(other);
}

TEST_F(QuestionsTest, ANullOwnerMeansTheMainWindow) {
    SetQuestionMainWindow(owner);
    TShownDialog shown;
    TDialogRobot robot("Attention...");
    robot.Inspect(shown).Click("OK");
    AskMessage(nullptr, "Text");
    EXPECT_EQ(shown.Owner, owner);
    SetQuestionMainWindow(nullptr);
}
}  // namespace
