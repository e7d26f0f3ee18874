#include <gtest/gtest.h>

#include "support/lib/text_compare.h"

TEST(StrCmp, OrdersLikeStrcmp) {
    EXPECT_EQ(StrCmp("abc", "abc"), 0);
    EXPECT_LT(StrCmp("abc", "abd"), 0);
    EXPECT_GT(StrCmp("abd", "abc"), 0);
    EXPECT_LT(StrCmp("ab", "abc"), 0);
    EXPECT_GT(StrCmp("abc", "ab"), 0);
}

TEST(StrCmp, HighBytesSortAfterAscii) {
    EXPECT_GT(StrCmp("\xC3\xA9", "z"), 0);
    EXPECT_LT(StrCmp("z", "\xC3\xA9", -1, false), 0);
}

TEST(StrCmp, NullCountsAsEmpty) {
    EXPECT_EQ(StrCmp(nullptr, ""), 0);
    EXPECT_EQ(StrCmp(nullptr, nullptr), 0);
    EXPECT_LT(StrCmp(nullptr, "a"), 0);
    EXPECT_GT(StrCmp("a", nullptr), 0);
}

TEST(StrCmp, LengthLimitsTheComparison) {
    EXPECT_EQ(StrCmp("abcX", "abcY", 3), 0);
    EXPECT_NE(StrCmp("abcX", "abcY", 4), 0);
    EXPECT_EQ(StrCmp("abc", "xyz", 0), 0);
    EXPECT_LT(StrCmp("ab", "abc", 3), 0);
    EXPECT_EQ(StrCmp("ab", "ab", 10), 0);
}

TEST(StrCmp, CaseInsensitiveFoldsAsciiLetters) {
    EXPECT_EQ(StrCmp("Hello", "hELLO", -1, false), 0);
    EXPECT_NE(StrCmp("Hello", "hELLO", -1, true), 0);
    EXPECT_EQ(StrCmp("ABCx", "abcY", 3, false), 0);
    EXPECT_NE(StrCmp("[", "{", -1, false), 0);
    EXPECT_NE(StrCmp("\xC3\x89", "\xC3\xA9", -1, false), 0);
}

TEST(StrCmp, CaseInsensitiveOrdersByLowerCase) {
    EXPECT_LT(StrCmp("a", "B", -1, false), 0);
    EXPECT_GT(StrCmp("a", "B", -1, true), 0);
    EXPECT_LT(StrCmp("_", "A", -1, false), 0);
    EXPECT_GT(StrCmp("_", "A", -1, true), 0);
}
