#include <gtest/gtest.h>

#include "keys/language_abbreviation.h"

namespace {
TEST(LanguageAbbreviation, KnownLanguagesHaveTheirNames) {
    EXPECT_EQ(LanguageAbbreviation(0x09), "EN");
    EXPECT_EQ(LanguageAbbreviation(0x19), "RU");
    EXPECT_EQ(LanguageAbbreviation(0x22), "UK");
    EXPECT_EQ(LanguageAbbreviation(0x01), "AR");
    EXPECT_EQ(LanguageAbbreviation(0x61), "NE");
    EXPECT_EQ(LanguageAbbreviation(0x12), "12");
}

TEST(LanguageAbbreviation, LanguagesSharingANameEachHaveIt) {
    EXPECT_EQ(LanguageAbbreviation(0x1B), "SL");
    EXPECT_EQ(LanguageAbbreviation(0x24), "SL");
    EXPECT_EQ(LanguageAbbreviation(0x07), "GE");
    EXPECT_EQ(LanguageAbbreviation(0x37), "GE");
}

TEST(LanguageAbbreviation, OtherLanguagesAreTwoUpperCaseHexDigits) {
    EXPECT_EQ(LanguageAbbreviation(0x00), "00");
    EXPECT_EQ(LanguageAbbreviation(0x17), "17");
    EXPECT_EQ(LanguageAbbreviation(0x3A), "3A");
    EXPECT_EQ(LanguageAbbreviation(0xFF), "FF");
}

TEST(LanguageAbbreviation, AnEarlierResultIsNotChangedByALaterCall) {
    const std::string first = LanguageAbbreviation(0x5A);
    const std::string second = LanguageAbbreviation(0xAB);

    EXPECT_EQ(first, "5A");
    EXPECT_EQ(second, "AB");
}
}  // namespace
