#include "support/dialogs/core/message_texts.h"

#include <gtest/gtest.h>

#include "support/framework/language.h"

namespace {
class MessageTexts : public ::testing::Test {
protected:
    ~MessageTexts() override { SetUserLanguage(saved_); }
    TUserLanguage saved_ = UserLanguage();
};

TEST_F(MessageTexts, EnglishTableMatchesTheBuiltInTexts) {
    SetUserLanguage(TUserLanguage::English);
    for (int id = XMB_STR_OK; id <= XMB_STR_NOTOALL; ++id)
        EXPECT_EQ(XMBButtonText(id, false), XMBBuiltInText(id)) << id;
    EXPECT_STREQ(TarnwickString(XMB_STR_ATTENTION), "Attention...");
    EXPECT_STREQ(TarnwickString(XMB_STR_QUESTION), "Question...");
}

TEST_F(MessageTexts, BuiltInEnglishTexts) {
    EXPECT_STREQ(XMBBuiltInText(9001), "OK");
    EXPECT_STREQ(XMBBuiltInText(9002), "Cancel");
    EXPECT_STREQ(XMBBuiltInText(9003), "&Ignore");
    EXPECT_STREQ(XMBBuiltInText(9004), "&Retry");
    EXPECT_STREQ(XMBBuiltInText(9005), "&Abort");
    EXPECT_STREQ(XMBBuiltInText(9006), "&Help");
    EXPECT_STREQ(XMBBuiltInText(9007), "&Yes");
    EXPECT_STREQ(XMBBuiltInText(9008), "&No");
    EXPECT_STREQ(XMBBuiltInText(9009), "&Continue");
    EXPECT_STREQ(XMBBuiltInText(9010), "Don't ask me again");
    EXPECT_STREQ(XMBBuiltInText(9011), "Don't tell me again");
    EXPECT_STREQ(XMBBuiltInText(9012), "Yes to &All");
    EXPECT_STREQ(XMBBuiltInText(9013), "No to A&ll");
    EXPECT_STREQ(XMBBuiltInText(1030), "");
    EXPECT_STREQ(XMBBuiltInText(42), "");
}

TEST_F(MessageTexts, RussianTableWithOkFallingBackToEnglish) {
    SetUserLanguage(TUserLanguage::Russian);
    EXPECT_EQ(TarnwickString(XMB_STR_OK), nullptr);
    EXPECT_EQ(XMBButtonText(XMB_STR_OK, false), "OK");
    EXPECT_EQ(XMBButtonText(XMB_STR_CANCEL, false), "Отменить");
    EXPECT_EQ(XMBButtonText(XMB_STR_ABORT, false), "Отмена");
    EXPECT_EQ(XMBButtonText(XMB_STR_YES, false), "Да");
    EXPECT_EQ(XMBButtonText(XMB_STR_NOTOALL, false), "Нет для всех");
    EXPECT_EQ(XMBButtonText(XMB_STR_NOTTELLAGAIN, false), "Больше не показывать это сообщение");
    EXPECT_STREQ(TarnwickString(XMB_STR_QUESTION), "Вопрос...");
    EXPECT_STREQ(TarnwickString(XMB_STR_ATTENTION), "Внимание...");
}

TEST_F(MessageTexts, BuiltInTextsOverrideTheTable) {
    SetUserLanguage(TUserLanguage::Russian);
    EXPECT_EQ(XMBButtonText(XMB_STR_YES, true), "&Yes");
    EXPECT_EQ(XMBButtonText(XMB_STR_NOTASKAGAIN, true), "Don't ask me again");
}

TEST_F(MessageTexts, UnknownNumbersHaveNoText) {
    EXPECT_EQ(TarnwickString(1), nullptr);
    EXPECT_EQ(XMBButtonText(8999, false), "");
}
}  // namespace
