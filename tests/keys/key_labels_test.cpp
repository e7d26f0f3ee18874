// Labels and captions of new and relabelled keys, and what each class starts with.
#include <gtest/gtest.h>

#include "keys/osk_keys.h"
#include "test_keyboard.h"

namespace {
class KeyLabels : public ::testing::Test {
protected:
    TTestKeyboard keyboard;
    TComponent owner{nullptr};
};

TEST_F(KeyLabels, ACharacterKeyKeepsTheFirstLetterOfAWordAndShowsItUpperCased) {
    OSKKey key(&owner);
    key.SetKeyLabel("qwe");

    EXPECT_EQ(key.GetKeyLabel(), "q");
    EXPECT_EQ(key.GetCaption(), "Q");
    EXPECT_EQ(key.GetKeyCode(), 0x51);
}

TEST_F(KeyLabels, TheKeyCodeComesFromTheCurrentLayout) {
    keyboard.CurrentLayout = kRussianLayout;
    OSKKey key(&owner);
    key.SetKeyLabel("фыв");

    EXPECT_EQ(key.GetKeyLabel(), "ф");
    EXPECT_EQ(key.GetCaption(), "Ф");
    EXPECT_EQ(key.GetKeyCode(), 0x41);
}

TEST_F(KeyLabels, AShiftedCharacterGivesTheKeyWithoutTheShiftState) {
    OSKKey key(&owner);
    key.SetKeyLabel("?");

    EXPECT_EQ(key.GetKeyCode(), 0xBF);
    EXPECT_EQ(key.GetCaption(), "?");
}

TEST_F(KeyLabels, AnEmptyLabelShowsNothingAndHasNoCode) {
    OSKKey key(&owner);
    key.SetKeyLabel("");

    EXPECT_EQ(key.GetKeyLabel(), "");
    EXPECT_EQ(key.GetCaption(), "");
    EXPECT_EQ(key.GetKeyCode(), 0);
}

TEST_F(KeyLabels, ACharacterNoKeyTypesLeavesTheKeyWithoutCode) {
    OSKKey key(&owner);
    key.SetKeyLabel("ж");

    EXPECT_EQ(key.GetKeyLabel(), "ж");
    EXPECT_EQ(key.GetKeyCode(), 0);
}

TEST_F(KeyLabels, OtherKindsShowTheWholeLabelAndKeepTheirCode) {
    OSKKeyCmd command(&owner);
    command.SetKeyLabel("Hide it");
    OSKKeyFx function(&owner);
    function.SetKeyLabel("F1 help");

    EXPECT_EQ(command.GetCaption(), "Hide it");
    EXPECT_EQ(function.GetCaption(), "F1 help");
    EXPECT_EQ(function.GetKeyLabel(), "F1 help");
    EXPECT_EQ(function.GetKeyCode(), 112);
}

TEST_F(KeyLabels, ShowKeyLabelRestoresTheCaptionFromTheLabel) {
    OSKKey key(&owner);
    key.SetKeyLabel("z");
    key.SetCaption("<t>");
    key.ShowKeyLabel();

    EXPECT_EQ(key.GetCaption(), "Z");
}

TEST(KeyConstruction, ACharacterKeyStartsAsTheKeyA) {
    TTestKeyboard keyboard;
    OSKKey key(nullptr);

    EXPECT_EQ(key.GetKeyKind(), kCharacterKey);
    EXPECT_EQ(key.GetKeyLabel(), "A");
    EXPECT_EQ(key.GetCaption(), "A");
    EXPECT_EQ(key.GetKeyCode(), 0x41);
}

TEST(KeyConstruction, EveryKeyLetsItsGroupBeAllUpAndIsCoveredOliveWithoutHost) {
    TTestKeyboard keyboard;
    OSKKey key(nullptr);
    OSKKeyFx function(nullptr);
    OSKKeySym modifier(nullptr);
    OSKKeyCmd command(nullptr);

    for (OSKCustomKey* k : std::initializer_list<OSKCustomKey*>{&key, &function, &modifier, &command}) {
        EXPECT_TRUE(k->GetAllowAllUp());
        EXPECT_EQ(k->GetCoverColor(), clOlive);
        EXPECT_EQ(k->GetHostWindow(), nullptr);
        EXPECT_EQ(k->GetFileOrCommand(), "");
    }
}

TEST(KeyConstruction, EachClassHasItsKindAndStartingValues) {
    TTestKeyboard keyboard;
    OSKKeyFx function(nullptr);
    OSKKeySym modifier(nullptr);
    OSKKeyCmd command(nullptr);

    EXPECT_EQ(function.GetKeyKind(), kNonLocalizableKey);
    EXPECT_EQ(function.GetKeyCode(), 112);
    EXPECT_EQ(modifier.GetKeyKind(), kModifierKey);
    EXPECT_EQ(modifier.GetKeyCode(), 18);
    EXPECT_EQ(modifier.GetColor(), clGray);
    EXPECT_FALSE(modifier.GetParentColor());
    EXPECT_EQ(modifier.GetFont()->GetColor(), clWhite);
    EXPECT_EQ(command.GetKeyKind(), kCommandKey);
    EXPECT_EQ(command.GetCommand(), ocConstMacro);
    EXPECT_EQ(command.GetKeyLabel(), "");
    EXPECT_EQ(command.GetCaption(), "");
}

TEST(KeyConstruction, ModifierKeysOnAPanelKeepTheirOwnColourAndFont) {
    TTestKeyboard keyboard;
    TWinControl panel(nullptr);
    panel.SetColor(clBtnFace);
    auto* modifier = new OSKKeySym(&panel);
    modifier->SetParent(&panel);

    EXPECT_EQ(modifier->GetColor(), clGray);
    EXPECT_EQ(modifier->GetFont()->GetColor(), clWhite);
}

TEST(KeyConstruction, ModifierKeysEachHaveAGroupOfTheirOwn) {
    TTestKeyboard keyboard;
    OSKKeySym first(nullptr);
    OSKKeySym second(nullptr);

    EXPECT_NE(first.GetGroupIndex(), 0);
    EXPECT_EQ(second.GetGroupIndex(), first.GetGroupIndex() + 1);
}
}  // namespace
