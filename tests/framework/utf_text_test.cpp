// UTF-8 and UTF-16 text, with one rule for broken input in both directions.
#include "support/framework/utf_text.h"

#include <gtest/gtest.h>

namespace {
TEST(UtfText, ConvertsUtf8IncludingSurrogatePairs) {
    EXPECT_EQ(Utf8ToUtf16("Да"), u"Да");
    EXPECT_EQ(Utf8ToUtf16("a\xF0\x9F\x98\x80z"), u"a\U0001F600z");
    EXPECT_EQ(Utf8ToUtf16(""), u"");
}

TEST(UtfText, MalformedBytesBecomeReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xFFz"), u"a\uFFFDz");
    EXPECT_EQ(Utf8ToUtf16("\xD0"), u"\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xD0z"), u"\uFFFDz");
    EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), u"\uFFFD\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xE0\x80\x80"), u"\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD");
}

TEST(UtfText, PairsCombineAndLoneSurrogatesAreReplaced) {
    EXPECT_EQ(Utf16ToUtf8(u"A\u00E9\u263A"), "A\xC3\xA9\xE2\x98\xBA");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D, 0xDE00}), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDE00, 'x', 0xD83D}), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(UtfText, ByteLimitsKeepWholeCharacters) {
    EXPECT_EQ(Utf16ToUtf8(u"a\u00E9\u263A", 4), "a\xC3\xA9");
    EXPECT_EQ(FirstCharacter("\xD0\x96x"), "\xD0\x96");
    EXPECT_EQ(FirstCharacter("\xFFx"), "\xFF");
    EXPECT_EQ(CodePointOf("\xD0\x96"), U'\u0416');
    EXPECT_EQ(CodePointOf("ab"), kReplacementCharacter);
}
}  // namespace
