// The x87 extended form, built bit by bit.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

#include "support/framework/extended_float.h"

namespace {
TExtendedBytes Make(uint64_t mantissa, unsigned signAndExponent) {
    TExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i) bytes[i] = uint8_t(mantissa >> (8 * i));
    bytes[8] = uint8_t(signAndExponent);
    bytes[9] = uint8_t(signAndExponent >> 8);
    return bytes;
}

TEST(ExtendedFloat, KnownEncodings) {
    EXPECT_EQ(EncodeExtended(1.0L), Make(0x8000000000000000u, 0x3FFF));
    EXPECT_EQ(EncodeExtended(-2.5L), Make(0xA000000000000000u, 0xC000));
    EXPECT_EQ(EncodeExtended(0.1L), Make(0xCCCCCCCCCCCCCCCDu, 0x3FFB));
    EXPECT_EQ(EncodeExtended(0.0L), Make(0, 0));
    EXPECT_EQ(EncodeExtended(-0.0L), Make(0, 0x8000));
    EXPECT_EQ(EncodeExtended(LDBL_MAX), Make(0xFFFFFFFFFFFFFFFFu, 0x7FFE));
    EXPECT_EQ(EncodeExtended(LDBL_MIN), Make(0x8000000000000000u, 0x0001));
    EXPECT_EQ(EncodeExtended(LDBL_TRUE_MIN), Make(1, 0));
    EXPECT_EQ(EncodeExtended(LDBL_MIN / 2), Make(0x4000000000000000u, 0));
    EXPECT_EQ(EncodeExtended(std::numeric_limits<long double>::infinity()), Make(0x8000000000000000u, 0x7FFF));
}

TEST(ExtendedFloat, DecodesKnownValues) {
    EXPECT_EQ(DecodeExtended(Make(0xCCCCCCCCCCCCCCCDu, 0x3FFB)), 0.1L);
    EXPECT_EQ(DecodeExtended(Make(1, 0)), LDBL_TRUE_MIN);
    EXPECT_EQ(DecodeExtended(Make(0xFFFFFFFFFFFFFFFFu, 0x7FFE)), LDBL_MAX);
    const auto negativeZero = DecodeExtended(Make(0, 0x8000));
    ASSERT_TRUE(negativeZero);
    EXPECT_TRUE(std::signbit(*negativeZero));
}

TEST(ExtendedFloat, RejectsWhatCannotBeWrittenBack) {
    EXPECT_FALSE(DecodeExtended(Make(0xC000000000000000u, 0x7FFF)));  // NaN
    EXPECT_FALSE(DecodeExtended(Make(0x8000000000000000u, 0xFFFF)));  // -infinity
    EXPECT_FALSE(DecodeExtended(Make(0x4000000000000000u, 0x3FFF)));  // unnormal
    EXPECT_FALSE(DecodeExtended(Make(0x8000000000000000u, 0x0000)));  // pseudo-denormal
    EXPECT_FALSE(DecodeExtended(Make(0, 0x0001)));                    // pseudo-zero exponent
}

TEST(ExtendedFloat, CanonicalEncodingsSurviveDecodeAndEncode) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 100000; ++i) {
        const unsigned exponent = unsigned(random() % 0x7FFF);
        uint64_t mantissa = random();
        mantissa = exponent == 0 ? mantissa & ~(uint64_t(1) << 63) : mantissa | uint64_t(1) << 63;
        const TExtendedBytes bytes = Make(mantissa, exponent | (i % 2 ? 0x8000u : 0u));
        const auto value = DecodeExtended(bytes);
        ASSERT_TRUE(value);
        ASSERT_EQ(EncodeExtended(*value), bytes);
    }
}
}  // namespace
