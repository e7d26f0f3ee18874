// Keys relabelling themselves from a keyboard state and layout.
#include <gtest/gtest.h>

#include <array>

#include "keys/key_state.h"
#include "keys/osk_keys.h"
#include "test_keyboard.h"

namespace {
using TState = std::array<uint8_t, 256>;

class UpdateFromKeyboard : public ::testing::Test {
protected:
    UpdateFromKeyboard() {
        key.SetKeyLabel("a");
        key.SetHostWindow(kHostWindow);
    }
    TTestKeyboard keyboard;
    TState state{};
    OSKKey key{nullptr};
};

TEST_F(UpdateFromKeyboard, ACharacterKeyShowsWhatItTypesInTheLayout) {
    key.UpdateFromKeyboard(state.data(), kUsLayout);
    EXPECT_EQ(key.GetCaption(), "a");

    state[0x10] = state[0xA0] = 0x80;
    key.UpdateFromKeyboard(state.data(), kUsLayout);
    EXPECT_EQ(key.GetCaption(), "A");

    key.UpdateFromKeyboard(state.data(), kRussianLayout);
    EXPECT_EQ(key.GetCaption(), "Ф");
}

TEST_F(UpdateFromKeyboard, WithIgnoreCaCtrlIsLeftOutButAltStays) {
    keyboard.Settings["IgnoreCA"] = 1;
    state[0x11] = state[0xA2] = 0x80;
    state[0xA4] = 0x80;
    key.UpdateFromKeyboard(state.data(), kRussianLayout);

    EXPECT_EQ(key.GetCaption(), "ф");
    EXPECT_EQ(keyboard.StateSeen[0x11], 0);
    EXPECT_EQ(keyboard.StateSeen[0xA2], 0);
    EXPECT_EQ(keyboard.StateSeen[0xA4], 0x80);
    EXPECT_EQ(keyboard.StateSeen[0x12], 0x80);
}

TEST_F(UpdateFromKeyboard, WithIgnoreCaTheFullSignatureIsWrittenBack) {
    keyboard.Settings["IgnoreCA"] = 1;
    state[0xA3] = 0x80;
    state[0x14] = 0x01;
    key.UpdateFromKeyboard(state.data(), kUsLayout);

    EXPECT_EQ(state[0xA3], 0x80);
    EXPECT_EQ(state[0x11], 0x80);  // the common code follows the sided one
    EXPECT_EQ(state[0x14], 0x81);  // a lock that is on is written down too
    EXPECT_EQ(KeyStateSignature(state.data()), 0x120u);
}

TEST_F(UpdateFromKeyboard, WithoutIgnoreCaCtrlKeyShowsTheControlCharacterOrNothing) {
    keyboard.Settings["IgnoreCA"] = 0;
    state[0x11] = state[0xA2] = 0x80;
    key.UpdateFromKeyboard(state.data(), kUsLayout);
    EXPECT_EQ(key.GetCaption(), "\x01");

    key.SetKeyLabel("1");
    key.UpdateFromKeyboard(state.data(), kUsLayout);
    EXPECT_EQ(key.GetCaption(), "<t>");
    EXPECT_EQ(state[0xA2], 0x80);
    EXPECT_EQ(state[0x11], 0x80);
}

TEST_F(UpdateFromKeyboard, TheHostIsAskedForIgnoreCa) {
    key.UpdateFromKeyboard(state.data(), kUsLayout);

    ASSERT_EQ(keyboard.SettingQueries.size(), 1u);
    EXPECT_EQ(keyboard.SettingQueries[0], "IgnoreCA");
}

TEST_F(UpdateFromKeyboard, WithoutHostCtrlIsIgnored) {
    key.SetHostWindow(nullptr);
    state[0x11] = state[0xA2] = 0x80;
    key.UpdateFromKeyboard(state.data(), kUsLayout);

    EXPECT_EQ(key.GetCaption(), "a");
    EXPECT_TRUE(keyboard.SettingQueries.empty());
}

TEST_F(UpdateFromKeyboard, ADeadKeyShowsItsMark) {
    key.SetKeyLabel("'");
    key.UpdateFromKeyboard(state.data(), kUsInternationalLayout);

    EXPECT_EQ(key.GetCaption(), "<d>");
}

TEST_F(UpdateFromKeyboard, WithoutLayoutOrCodeTheLabelIsShown) {
    key.SetKeyLabel("q");
    key.UpdateFromKeyboard(state.data(), nullptr);
    EXPECT_EQ(key.GetCaption(), "Q");

    key.SetKeyLabel("ж");  // no key types it: no code
    key.SetCaption("x");
    key.UpdateFromKeyboard(state.data(), kUsLayout);
    EXPECT_EQ(key.GetCaption(), "Ж");
}

TEST_F(UpdateFromKeyboard, ACodeOutsideTheStateShowsTheLabel) {
    key.SetKeyCode(0x1234);
    key.UpdateFromKeyboard(state.data(), kUsLayout);

    EXPECT_EQ(key.GetCaption(), "A");
}

TEST_F(UpdateFromKeyboard, WithoutStateNothingChanges) {
    key.SetCaption("x");
    key.UpdateFromKeyboard(nullptr, kUsLayout);

    EXPECT_EQ(key.GetCaption(), "x");
    EXPECT_TRUE(keyboard.SettingQueries.empty());
}

class ModifierDisplay : public ::testing::Test {
protected:
    ModifierDisplay() { key.SetHostWindow(kHostWindow); }
    bool DownWith(std::initializer_list<uint8_t> down, uint8_t value = 0x80) {
        TState state{};
        for (uint8_t code : down) state[code] = value;
        key.UpdateFromKeyboard(state.data(), kUsLayout);
        return key.GetDown();
    }
    TTestKeyboard keyboard;
    OSKKeySym key{nullptr};
};

TEST_F(ModifierDisplay, WithoutLrDiffALeftShiftKeyShowsEitherShift) {
    keyboard.Settings["LRDiff"] = 0;
    key.SetKeyCode(0xA0);

    EXPECT_TRUE(DownWith({0x10, 0xA1}));
    EXPECT_FALSE(DownWith({0xA1}));  // the common code decides
    EXPECT_TRUE(DownWith({0x10, 0xA0}));
    EXPECT_FALSE(DownWith({}));
}

TEST_F(ModifierDisplay, WithLrDiffOnlyItsOwnSideCounts) {
    keyboard.Settings["LRDiff"] = 1;
    key.SetKeyCode(0xA0);

    EXPECT_FALSE(DownWith({0x10, 0xA1}));
    EXPECT_TRUE(DownWith({0x10, 0xA0}));
}

TEST_F(ModifierDisplay, SidedCodesFoldToTheirCommonCode) {
    keyboard.Settings["LRDiff"] = 0;
    const std::pair<uint8_t, uint8_t> folds[] = {{0x5B, 0x5D}, {0x5C, 0x5D}, {0xA1, 0x10}, {0xA2, 0x11},
                                                 {0xA3, 0x11}, {0xA4, 0x12}, {0xA5, 0x12}};
    for (const auto& [sided, common] : folds) {
        key.SetKeyCode(sided);
        EXPECT_TRUE(DownWith({common})) << std::hex << int(sided);
        EXPECT_FALSE(DownWith({sided})) << std::hex << int(sided);
    }
}

TEST_F(ModifierDisplay, ALockKeyShowsItsToggleBitNotWhetherItIsHeld) {
    for (uint8_t lock : {0x14, 0x90, 0x91}) {
        key.SetKeyCode(lock);
        EXPECT_TRUE(DownWith({lock}, 0x01)) << std::hex << int(lock);
        EXPECT_FALSE(DownWith({lock}, 0x80)) << std::hex << int(lock);
        EXPECT_TRUE(DownWith({lock}, 0x81)) << std::hex << int(lock);
    }
}

TEST_F(ModifierDisplay, ACaptionIsNotChangedAndAKeyWithoutCodeIsLeftAlone) {
    key.SetKeyLabel("Alt");
    EXPECT_TRUE(DownWith({0x12}));
    EXPECT_EQ(key.GetCaption(), "Alt");

    key.SetKeyCode(0);
    EXPECT_TRUE(DownWith({}));
    EXPECT_TRUE(keyboard.SettingQueries.size() == 1);
}

TEST_F(ModifierDisplay, ACodeOutsideTheStateChangesNothing) {
    key.SetKeyCode(-5);
    EXPECT_FALSE(DownWith({0x12}));
    key.SetKeyCode(300);
    EXPECT_FALSE(DownWith({0x12}));
}

class CommandDisplay : public ::testing::Test {
protected:
    TTestKeyboard keyboard;
    TState state{};
    OSKKeyCmd key{nullptr};
};

TEST_F(CommandDisplay, ALayoutChangeKeyShowsTheLanguageOfTheLayout) {
    key.SetCommand(ocLayoutChange);
    key.SetKeyLabel("Lang");

    key.UpdateFromKeyboard(state.data(), kUsLayout);
    EXPECT_EQ(key.GetCaption(), "EN");
    key.UpdateFromKeyboard(state.data(), kRussianLayout);
    EXPECT_EQ(key.GetCaption(), "RU");
    key.UpdateFromKeyboard(state.data(), reinterpret_cast<void*>(uintptr_t{0x04770477}));
    EXPECT_EQ(key.GetCaption(), "77");
    key.UpdateFromKeyboard(state.data(), nullptr);
    EXPECT_EQ(key.GetCaption(), "Lang");
}

TEST_F(CommandDisplay, OtherCommandsAndFixedKeysKeepTheirCaption) {
    key.SetKeyLabel("Paste");
    key.UpdateFromKeyboard(state.data(), kUsLayout);
    EXPECT_EQ(key.GetCaption(), "Paste");

    OSKKeyFx function(nullptr);
    function.SetKeyLabel("F1");
    function.UpdateFromKeyboard(state.data(), kRussianLayout);
    EXPECT_EQ(function.GetCaption(), "F1");
}
}  // namespace
