// The keyboard state signature, writing it back, and which codes are modifiers.
#include <gtest/gtest.h>

#include <array>

#include "keys/key_state.h"

namespace {
using TState = std::array<uint8_t, 256>;

TEST(KeyStateSignature, EachSidedKeyDownGivesItsBit) {
    const std::pair<uint8_t, uint32_t> keys[] = {{0xA0, 0x001}, {0xA1, 0x002}, {0xA4, 0x004}, {0xA5, 0x008},
                                                 {0xA2, 0x010}, {0xA3, 0x020}, {0x5B, 0x040}, {0x5C, 0x080}};
    for (const auto& [code, bit] : keys) {
        TState state{};
        state[code] = 0x80;
        EXPECT_EQ(KeyStateSignature(state.data()), bit) << std::hex << int(code);
    }
}

TEST(KeyStateSignature, CommonCodesAndToggledModifiersDoNotCount) {
    TState state{};
    state[0x10] = state[0x11] = state[0x12] = state[0x5D] = 0x80;
    state[0xA0] = state[0xA2] = 0x01;

    EXPECT_EQ(KeyStateSignature(state.data()), 0u);
}

TEST(KeyStateSignature, CapsLockCountsWhenToggledOnNotWhenHeld) {
    TState toggled{};
    toggled[0x14] = 0x01;
    TState held{};
    held[0x14] = 0x80;

    EXPECT_EQ(KeyStateSignature(toggled.data()), 0x100u);
    EXPECT_EQ(KeyStateSignature(held.data()), 0u);
}

TEST(KeyStateSignature, NumAndScrollLockCountByTheirToggleBit) {
    TState state{};
    state[0x90] = 0x01;
    state[0x91] = 0x81;

    EXPECT_EQ(KeyStateSignature(state.data()), 0x600u);
}

TEST(ApplyKeyStateSignature, BothShiftsSetTheShiftCodesAndClearEveryOtherListedKey) {
    TState state{};
    for (uint8_t code : {0xA4, 0xA5, 0x12, 0xA2, 0xA3, 0x11, 0x5B, 0x5C, 0x5D, 0x14, 0x90, 0x91}) state[code] = 0x80;
    ApplyKeyStateSignature(state.data(), 0x003);

    for (uint8_t code : {0xA0, 0xA1, 0x10}) EXPECT_EQ(state[code], 0x80) << std::hex << int(code);
    for (uint8_t code : {0xA4, 0xA5, 0x12, 0xA2, 0xA3, 0x11, 0x5B, 0x5C, 0x5D, 0x14, 0x90, 0x91})
        EXPECT_EQ(state[code], 0x00) << std::hex << int(code);
}

TEST(ApplyKeyStateSignature, OtherBitsAndKeysStayAsTheyWere) {
    TState state{};
    state[0x14] = 0x01;
    state[0x41] = 0x81;
    state[0xA0] = 0x01;
    ApplyKeyStateSignature(state.data(), 0x100);

    EXPECT_EQ(state[0x14], 0x81);  // the lock's down bit, its toggle bit untouched
    EXPECT_EQ(state[0x41], 0x81);
    EXPECT_EQ(state[0xA0], 0x01);
}

TEST(ApplyKeyStateSignature, EitherSideSetsTheCommonCode) {
    TState state{};
    ApplyKeyStateSignature(state.data(), 0x008 | 0x020 | 0x080);

    EXPECT_EQ(state[0x12], 0x80);
    EXPECT_EQ(state[0x11], 0x80);
    EXPECT_EQ(state[0x5D], 0x80);
    EXPECT_EQ(state[0xA4], 0x00);
}

TEST(ApplyKeyStateSignature, ASignatureReadBackIsTheSame) {
    TState state{};
    ApplyKeyStateSignature(state.data(), 0x0FF);

    EXPECT_EQ(KeyStateSignature(state.data()), 0x0FFu);
}

TEST(IsModifierKey, ShiftCtrlAltWindowsAndSidedCodesAreModifiers) {
    for (int code = 0; code < 256; ++code) {
        const bool expected = (code >= 0x10 && code <= 0x12) || (code >= 0x5B && code <= 0x5D) || (code >= 0xA0 && code <= 0xA5);
        EXPECT_EQ(IsModifierKey(code), expected) << std::hex << code;
    }
}

TEST(IsModifierKey, LockKeysAndCodesOutsideAByteAreNot) {
    EXPECT_FALSE(IsModifierKey(0x14));
    EXPECT_FALSE(IsModifierKey(0x90));
    EXPECT_FALSE(IsModifierKey(0x91));
    EXPECT_FALSE(IsModifierKey(-1));
    EXPECT_FALSE(IsModifierKey(0x110));
}
}  // namespace
