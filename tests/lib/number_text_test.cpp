#include <gtest/gtest.h>

#include <limits>

#include "support/lib/number_text.h"

namespace {
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
}  // namespace

TEST(Str2DigitDetect, ReadsDecimalAndStopsAtTheFirstNonDigit) {
    EXPECT_EQ(Str2DigitDetect("1234", 10, 0), 1234);
    EXPECT_EQ(Str2DigitDetect("12ab", 10, 0), 12);
    EXPECT_EQ(Str2DigitDetect("  \t42 rest", 10, 0), 42);
    EXPECT_EQ(Str2DigitDetect("007", 10, 0), 7);
}

TEST(Str2DigitDetect, NoDigitsGiveZero) {
    EXPECT_EQ(Str2DigitDetect("", 10, 0), 0);
    EXPECT_EQ(Str2DigitDetect("abc", 10, 0), 0);
    EXPECT_EQ(Str2DigitDetect(nullptr, 0, sdAllowSign), 0);
    EXPECT_EQ(Str2DigitDetect("$", 0, 0), 0);
    EXPECT_EQ(Str2DigitDetect("0x", 0, 0), 0);
    EXPECT_EQ(Str2DigitDetect("0xg", 0, 0), 0);
    EXPECT_EQ(Str2DigitDetect("-", 10, sdAllowSign), 0);
}

TEST(Str2DigitDetect, SignOnlyWithTheFlag) {
    EXPECT_EQ(Str2DigitDetect("-17", 10, sdAllowSign), -17);
    EXPECT_EQ(Str2DigitDetect("+17", 10, sdAllowSign), 17);
    EXPECT_EQ(Str2DigitDetect("-17", 10, 0), 0);
    EXPECT_EQ(Str2DigitDetect("+17", 10, 0), 0);
    EXPECT_EQ(Str2DigitDetect("- 17", 10, sdAllowSign), 0);
}

TEST(Str2DigitDetect, DetectsHexadecimalPrefixes) {
    EXPECT_EQ(Str2DigitDetect("0x1F", 0, 0), 31);
    EXPECT_EQ(Str2DigitDetect("0XfF", 0, 0), 255);
    EXPECT_EQ(Str2DigitDetect("$10", 0, 0), 16);
    EXPECT_EQ(Str2DigitDetect("-$10", 0, sdAllowSign), -16);
    EXPECT_EQ(Str2DigitDetect("-0x10", 0, sdAllowSign), -16);
    EXPECT_EQ(Str2DigitDetect("12", 0, 0), 12);
}

TEST(Str2DigitDetect, LeadingZeroIsOctalOnlyWithTheFlag) {
    EXPECT_EQ(Str2DigitDetect("010", 0, 0), 10);
    EXPECT_EQ(Str2DigitDetect("010", 0, sdOctalPrefix), 8);
    EXPECT_EQ(Str2DigitDetect("019", 0, sdOctalPrefix), 1);
    EXPECT_EQ(Str2DigitDetect("0", 0, sdOctalPrefix), 0);
}

TEST(Str2DigitDetect, ExplicitBases) {
    EXPECT_EQ(Str2DigitDetect("1012", 2, 0), 5);
    EXPECT_EQ(Str2DigitDetect("777", 8, 0), 511);
    EXPECT_EQ(Str2DigitDetect("ff", 16, 0), 255);
    EXPECT_EQ(Str2DigitDetect("0xff", 16, 0), 255);
    EXPECT_EQ(Str2DigitDetect("$ff", 16, 0), 255);
    EXPECT_EQ(Str2DigitDetect("0x10", 10, 0), 0);
    EXPECT_EQ(Str2DigitDetect("zz", 36, 0), 35 * 36 + 35);
}

TEST(Str2DigitDetect, LimitsAreExact) {
    EXPECT_EQ(Str2DigitDetect("9223372036854775807", 10, 0), kMax);
    EXPECT_EQ(Str2DigitDetect("-9223372036854775808", 10, sdAllowSign), kMin);
    EXPECT_EQ(Str2DigitDetect("0x7FFFFFFFFFFFFFFF", 0, 0), kMax);
    EXPECT_EQ(Str2DigitDetect("$FFFFFFFF", 0, 0), 0xFFFFFFFFll);
}

TEST(Str2DigitDetect, OverflowSaturates) {
    EXPECT_EQ(Str2DigitDetect("9223372036854775808", 10, 0), kMax);
    EXPECT_EQ(Str2DigitDetect("99999999999999999999999999999", 10, 0), kMax);
    EXPECT_EQ(Str2DigitDetect("-9223372036854775809", 10, sdAllowSign), kMin);
    EXPECT_EQ(Str2DigitDetect("0xFFFFFFFFFFFFFFFFFF", 0, 0), kMax);
    EXPECT_EQ(Str2DigitDetect("-0xFFFFFFFFFFFFFFFFFF", 0, sdAllowSign), kMin);
}

TEST(Str2DigitDetect, InvalidBaseGivesZero) {
    EXPECT_EQ(Str2DigitDetect("11", 1, 0), 0);
    EXPECT_EQ(Str2DigitDetect("11", 37, 0), 0);
    EXPECT_EQ(Str2DigitDetect("11", -2, 0), 0);
}
