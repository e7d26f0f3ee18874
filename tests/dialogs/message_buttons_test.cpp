#include "support/dialogs/core/message_buttons.h"

#include <gtest/gtest.h>

#include "support/dialogs/core/message_box_flags.h"
#include "support/dialogs/core/message_texts.h"

namespace {
std::vector<int> Ids(unsigned flags) {
    std::vector<int> ids;
    for (const auto& button : XMBButtons(flags)) ids.push_back(button.Id);
    return ids;
}

using Ids_ = std::vector<int>;

TEST(MessageButtonSets, EachSetHasItsButtonsLeftToRight) {
    EXPECT_EQ(Ids(XMB_OK), (Ids_{1}));
    EXPECT_EQ(Ids(XMB_OKCANCEL), (Ids_{1, 2}));
    EXPECT_EQ(Ids(XMB_ABORTRETRYIGNORE), (Ids_{3, 4, 5}));
    EXPECT_EQ(Ids(XMB_YESNOCANCEL), (Ids_{6, 7, 2}));
    EXPECT_EQ(Ids(XMB_YESNO), (Ids_{6, 7}));
    EXPECT_EQ(Ids(XMB_RETRYCANCEL), (Ids_{4, 2}));
    EXPECT_EQ(Ids(XMB_CONTINUEABORT), (Ids_{11, 3}));
}

TEST(MessageButtonSets, YesToAllFollowsYesAndNoToAllFollowsNo) {
    EXPECT_EQ(Ids(XMB_YESNO | XMB_YESTOALL), (Ids_{6, 11, 7}));
    EXPECT_EQ(Ids(XMB_YESNO | XMB_NOTOALL), (Ids_{6, 7, 12}));
    EXPECT_EQ(Ids(XMB_YESNOCANCEL | XMB_YESTOALL | XMB_NOTOALL), (Ids_{6, 11, 7, 12, 2}));
}

TEST(MessageButtonSets, HelpComesLast) {
    EXPECT_EQ(Ids(XMB_OKCANCEL | XMB_HELP), (Ids_{1, 2, 9}));
    EXPECT_EQ(Ids(XMB_YESNO | XMB_YESTOALL | XMB_HELP), (Ids_{6, 11, 7, 9}));
}

TEST(MessageButtonSets, TheControlIOQuestionHasYesYesToAllNo) {
    EXPECT_EQ(Ids(0x4000014), (Ids_{6, 11, 7}));
}

TEST(MessageButtonSets, ButtonsCarryTheirStringNumbers) {
    auto buttons = XMBButtons(XMB_YESNOCANCEL | XMB_YESTOALL | XMB_NOTOALL | XMB_HELP);
    std::vector<int> strings;
    for (const auto& b : buttons) strings.push_back(b.StringId);
    EXPECT_EQ(strings, (Ids_{9007, 9012, 9008, 9013, 9002, 9006}));
    EXPECT_EQ(XMBButtons(XMB_CONTINUEABORT)[0].StringId, 9009);
    EXPECT_EQ(XMBButtons(XMB_ABORTRETRYIGNORE)[2].StringId, 9003);
}

// Checked in every build. Under Windows the fatal message would wait for a click.
#ifndef _WIN32
TEST(MessageButtonSetsDeathTest, UnknownSetsAndMisplacedToAllAreProgrammingErrors) {
    EXPECT_DEATH(XMBButtons(6), "unknown button set");
    EXPECT_DEATH(XMBButtons(XMB_OKCANCEL | XMB_YESTOALL), "Yes/No to All");
    EXPECT_DEATH(XMBButtons(XMB_CONTINUEABORT | XMB_NOTOALL), "Yes/No to All");
}
#endif

TEST(MessageDefaultButton, TheFieldPicksTheFirstToSixth) {
    EXPECT_EQ(XMBDefaultButton(0, 6), 0);
    EXPECT_EQ(XMBDefaultButton(256, 6), 1);
    EXPECT_EQ(XMBDefaultButton(512, 6), 2);
    EXPECT_EQ(XMBDefaultButton(768, 6), 3);
    EXPECT_EQ(XMBDefaultButton(1024, 6), 4);
    EXPECT_EQ(XMBDefaultButton(1280, 6), 5);
}

TEST(MessageDefaultButton, OtherValuesOrOnesBeyondTheButtonsPickTheFirst) {
    EXPECT_EQ(XMBDefaultButton(768, 2), 0);
    EXPECT_EQ(XMBDefaultButton(256, 1), 0);
    EXPECT_EQ(XMBDefaultButton(1536, 8), 0);
    EXPECT_EQ(XMBDefaultButton(3840, 8), 0);
    EXPECT_EQ(XMBDefaultButton(256 | XMB_YESNO, 2), 1);
}

TEST(MessageEscape, CancelWhenThereIsACancelButton) {
    EXPECT_EQ(XMBEscapeResult(XMBButtons(XMB_OKCANCEL)), 2);
    EXPECT_EQ(XMBEscapeResult(XMBButtons(XMB_YESNOCANCEL)), 2);
    EXPECT_EQ(XMBEscapeResult(XMBButtons(XMB_RETRYCANCEL | XMB_HELP)), 2);
}

TEST(MessageEscape, OkWhenOkIsTheOnlyClosingButton) {
    EXPECT_EQ(XMBEscapeResult(XMBButtons(XMB_OK)), 1);
    EXPECT_EQ(XMBEscapeResult(XMBButtons(XMB_OK | XMB_HELP)), 1);
}

TEST(MessageEscape, NothingOtherwise) {
    EXPECT_EQ(XMBEscapeResult(XMBButtons(XMB_YESNO)), 0);
    EXPECT_EQ(XMBEscapeResult(XMBButtons(0x4000014)), 0);
    EXPECT_EQ(XMBEscapeResult(XMBButtons(XMB_ABORTRETRYIGNORE)), 0);
    EXPECT_EQ(XMBEscapeResult(XMBButtons(XMB_CONTINUEABORT)), 0);
}

TEST(MessageResult, TheTickedCheckBoxAddsTheBitAskedFor) {
    EXPECT_EQ(XMBResultOf(6, XMB_YESNO | XMB_NOTASKAGAIN, true), 0x01000006);
    EXPECT_EQ(XMBResultOf(6, XMB_YESNO | XMB_NOTTELLAGAIN, true), 0x02000006);
    EXPECT_EQ(XMBResultOf(6, XMB_YESNO | XMB_NOTASKAGAIN | XMB_NOTTELLAGAIN, true), 0x01000006);
    EXPECT_EQ(XMBResultOf(7, XMB_YESNO | XMB_NOTTELLAGAIN, false), 7);
    EXPECT_EQ(XMBResultOf(1, XMB_OK, true), 1);
}

TEST(MessageResult, TheCheckBoxBitFollowsTheFlags) {
    EXPECT_EQ(XMBCheckBoxBit(0), 0u);
    EXPECT_EQ(XMBCheckBoxBit(XMB_NOTTELLAGAIN), XMB_NOTTELLAGAIN);
    EXPECT_EQ(XMBCheckBoxBit(XMB_NOTTELLAGAIN | XMB_NOTASKAGAIN), XMB_NOTASKAGAIN);
}
}  // namespace
