#include "runtime/delivery/keystrokes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_input.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class KeystrokesTest : public ::testing::Test {
protected:
    bool IsDown(uint8_t code) const { return (input.State[code] & 0x80) != 0; }

    TFakeInput input;
    TKeystrokes keys{input};
};

TEST_F(KeystrokesTest, CharacterKeyGoesDownAndUp) {
    keys.SendVirtualKey(0x41, false);
    EXPECT_THAT(input.Log, ElementsAre("41 down", "41 up"));
}

TEST_F(KeystrokesTest, ModifierKeyStaysDown) {
    keys.SendVirtualKey(0xA0, false);
    EXPECT_THAT(input.Log, ElementsAre("A0 down"));
    EXPECT_TRUE(IsDown(0xA0));
}

TEST_F(KeystrokesTest, LatchedShiftIsReleasedAfterTheCharacter) {
    keys.SendVirtualKey(0xA0, false);
    keys.SendVirtualKey(0x41, false);
    EXPECT_THAT(input.Log, ElementsAre("A0 down", "41 down", "41 up", "A0 up"));
    EXPECT_FALSE(IsDown(0xA0));
    EXPECT_FALSE(IsDown(0x10));
}

TEST_F(KeystrokesTest, ALatchedShiftTheSystemLetGoOfGoesDownAgainBeforeTheCharacter) {
    keys.SendVirtualKey(0xA0, false);
    input.State[0xA0] = input.State[0x10] = 0;
    keys.SendVirtualKey(0x41, false);
    EXPECT_THAT(input.Log, ElementsAre("A0 down", "A0 down", "41 down", "41 up", "A0 up"));
    input.Log.clear();
    input.State[0xA0] = 0;
    keys.SendVirtualKey(0x42, false);
    EXPECT_THAT(input.Log, ElementsAre("42 down", "42 up")) << "the release ended the latch";
}

TEST_F(KeystrokesTest, AShortcutsOwnModifiersAreNotLatched) {
    keys.SendShortCut(0x4000 | 0x46);
    input.Log.clear();
    keys.SendVirtualKey(0x41, false);
    EXPECT_THAT(input.Log, ElementsAre("41 down", "41 up"));
}

TEST_F(KeystrokesTest, CommonShiftCodeIsReleasedAsTheLeftShift) {
    keys.SendVirtualKey(0x10, false);
    keys.SendVirtualKey(0x41, false);
    EXPECT_THAT(input.Log, ElementsAre("10 down", "41 down", "41 up", "A0 up"));
}

TEST_F(KeystrokesTest, ModifierClickedAgainReleasesItselfThenEveryModifier) {
    keys.SendVirtualKey(0xA0, false);
    keys.SendVirtualKey(0xA3, false);
    input.Log.clear();
    keys.SendVirtualKey(0xA0, true);
    EXPECT_THAT(input.Log, ElementsAre("A0 up", "A3 up"));
    EXPECT_FALSE(IsDown(0xA3));
}

TEST_F(KeystrokesTest, ModifiersAreReleasedShiftAltCtrlWinLeftBeforeRight) {
    for (uint8_t code : {0x5C, 0x5B, 0xA3, 0xA2, 0xA5, 0xA4, 0xA1, 0xA0}) input.State[code] = 0x80;
    keys.ReleaseModifiers();
    EXPECT_THAT(input.Log, ElementsAre("A0 up", "A1 up", "A4 up", "A5 up", "A2 up", "A3 up", "5B up", "5C up"));
}

TEST_F(KeystrokesTest, LocksAreNeverReleased) {
    for (uint8_t code : {0x14, 0x90, 0x91}) input.State[code] = 0x81;
    keys.ReleaseModifiers();
    EXPECT_THAT(input.Log, IsEmpty());
}

TEST_F(KeystrokesTest, CapsLockIsTypedLikeAnOrdinaryKey) {
    keys.SendVirtualKey(0x14, false);
    EXPECT_THAT(input.Log, ElementsAre("14 down", "14 up"));
    EXPECT_EQ(input.State[0x14] & 0x01, 0x01);
}

TEST_F(KeystrokesTest, CodesOutsideTheKeyRangeSendNothing) {
    input.State[0xA0] = 0x80;
    for (int code : {0, 255, -1, 0x141}) {
        keys.SendVirtualKey(code, false);
        keys.SendVirtualKey(code, true);
    }
    EXPECT_THAT(input.Log, IsEmpty());
}

TEST(ShortCutDelivery, CtrlFPressesCtrlThenTheKeyAndReleasesTheLeftCtrl) {
    TFakeInput input;
    TKeystrokes(input).SendShortCut(ShortCut(0x46, ssCtrl));
    EXPECT_THAT(input.Log, ElementsAre("11 down", "46 down", "46 up", "A2 up"));
}

TEST(ShortCutDelivery, ModifiersGoDownShiftCtrlAlt) {
    TFakeInput input;
    TKeystrokes(input).SendShortCut(ShortCut(0x74, ssShift | ssCtrl | ssAlt));
    EXPECT_THAT(input.Log,
                ElementsAre("10 down", "11 down", "12 down", "74 down", "74 up", "A0 up", "A4 up", "A2 up"));
}

TEST(ShortCutDelivery, NoShortCutOrNoKeySendsNothing) {
    TFakeInput input;
    TKeystrokes keys(input);
    keys.SendShortCut(0);
    keys.SendShortCut(scCtrl | scAlt);
    EXPECT_THAT(input.Log, IsEmpty());
}

TEST(PasteDelivery, TextGoesToTheClipboardThenCtrlV) {
    TFakeInput input;
    TKeystrokes(input).PasteText("Привет");
    EXPECT_THAT(input.Log, ElementsAre("clipboard Привет", "11 down", "56 down", "11 up", "56 up"));
}

TEST(PasteDelivery, LatchedShiftIsReleasedBeforeCtrlV) {
    TFakeInput input;
    TKeystrokes keys(input);
    keys.SendVirtualKey(0xA0, false);
    keys.PasteText("abc");
    EXPECT_THAT(input.Log, ElementsAre("A0 down", "clipboard abc", "A0 up", "11 down", "56 down", "11 up", "56 up"));
}

TEST(PasteDelivery, NothingIsTypedWhenTheClipboardRefusesTheText) {
    TFakeInput input;
    input.ClipboardAvailable = false;
    TKeystrokes(input).PasteText("abc");
    EXPECT_THAT(input.Log, IsEmpty());
}
}  // namespace
