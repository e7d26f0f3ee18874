#include <gtest/gtest.h>

#include <set>

#include "support/framework/shortcut.h"

namespace {
constexpr uint16_t kF1 = 0x70;
constexpr uint16_t kBack = 0x08;
constexpr TShiftState kAllModifiers[] = {0, ssShift, ssCtrl, ssAlt, ssShift | ssCtrl, ssShift | ssAlt, ssCtrl | ssAlt, ssShift | ssCtrl | ssAlt};

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}
}  // namespace

TEST(ShortCut, PacksKeyAndModifiers) {
    EXPECT_EQ(ShortCut('A', ssCtrl), 16449);
    EXPECT_EQ(ShortCut('A', 0), 'A');
    EXPECT_EQ(ShortCut(kF1, ssShift | ssCtrl), 0x2000 | 0x4000 | 0x70);
    EXPECT_EQ(ShortCut(kBack, ssAlt), 0x8008);
}

TEST(ShortCut, IgnoresMouseAndDoubleClickState) {
    EXPECT_EQ(ShortCut('A', ssLeft | ssRight | ssMiddle | ssDouble), 'A');
}

TEST(ShortCut, KeyBeyondOneByteGivesZero) {
    EXPECT_EQ(ShortCut(0x100, ssCtrl), 0);
    EXPECT_EQ(ShortCut(0x1041, 0), 0);
}

TEST(ShortCut, UnpacksWhatItPacked) {
    for (TShiftState shift : kAllModifiers) {
        uint16_t key = 0;
        TShiftState back = 0;
        ShortCutToKey(ShortCut('Q', shift), key, back);
        EXPECT_EQ(key, 'Q');
        EXPECT_EQ(back, shift);
    }
}

TEST(ShortCutText, ClassicValues) {
    EXPECT_EQ(ShortCutToText(16449), "Ctrl+A");
    EXPECT_EQ(ShortCutToText(ShortCut(kF1, ssShift | ssCtrl)), "Shift+Ctrl+F1");
    EXPECT_EQ(ShortCutToText(ShortCut(kBack, ssAlt)), "Alt+BkSp");
    EXPECT_EQ(ShortCutToText(ShortCut('7', ssShift | ssCtrl | ssAlt)), "Shift+Ctrl+Alt+7");
    EXPECT_EQ(ShortCutToText(0x87), "F24");
    EXPECT_EQ(ShortCutToText(0x2E), "Del");
    EXPECT_EQ(ShortCutToText(0x21), "PgUp");
}

TEST(ShortCutText, NumericPadAndPunctuation) {
    EXPECT_EQ(ShortCutToText(0x60), "Num 0");
    EXPECT_EQ(ShortCutToText(0x69), "Num 9");
    EXPECT_EQ(ShortCutToText(0x6B), "Num +");
    EXPECT_EQ(ShortCutToText(0x6F), "Num /");
    EXPECT_EQ(ShortCutToText(0xBA), ";");
    EXPECT_EQ(ShortCutToText(0xDC), "\\");
    EXPECT_EQ(ShortCutToText(0xDE), "'");
    EXPECT_EQ(ShortCutToText(ShortCut(0xBD, ssCtrl)), "Ctrl+-");
}

TEST(ShortCutText, LowerCaseLetterCodesAreNumericPadKeys) {
    EXPECT_EQ(ShortCutToText('a'), "Num 1");
    EXPECT_EQ(TextToShortCut("a"), 'A');
}

TEST(ShortCutText, UnknownKeysHaveNoText) {
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(ShortCut(0xFF, ssCtrl)), "");
    EXPECT_EQ(ShortCutToText(0x07), "");
}

TEST(TextToShortCut, ReadsClassicValues) {
    EXPECT_EQ(TextToShortCut("Ctrl+A"), 16449);
    EXPECT_EQ(TextToShortCut("Shift+Ctrl+F1"), ShortCut(kF1, ssShift | ssCtrl));
    EXPECT_EQ(TextToShortCut("Alt+BkSp"), ShortCut(kBack, ssAlt));
    EXPECT_EQ(TextToShortCut("Ctrl+Num +"), ShortCut(0x6B, ssCtrl));
}

TEST(TextToShortCut, IgnoresCaseAndModifierOrder) {
    EXPECT_EQ(TextToShortCut("ctrl+a"), 16449);
    EXPECT_EQ(TextToShortCut("ALT+SHIFT+f1"), ShortCut(kF1, ssShift | ssAlt));
    EXPECT_EQ(TextToShortCut("alt+ctrl+del"), ShortCut(0x2E, ssCtrl | ssAlt));
}

TEST(TextToShortCut, UnknownTextGivesZero) {
    EXPECT_EQ(TextToShortCut(""), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+Ctrl+A"), 0);
    EXPECT_EQ(TextToShortCut("Hyper+A"), 0);
    EXPECT_EQ(TextToShortCut("F25"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+AB"), 0);
    EXPECT_EQ(TextToShortCut(" Ctrl+A"), 0);
}

TEST(TextToShortCut, ModifierKeysThemselvesHaveNames) {
    EXPECT_EQ(TextToShortCut("Shift"), 0x10);
    EXPECT_EQ(TextToShortCut("Shift+Shift"), ShortCut(0x10, ssShift));
    EXPECT_EQ(ShortCutToText(ShortCut(0xA2, ssAlt)), "Alt+Left Ctrl");
}

TEST(ShortCutText, EveryNamedKeyRoundTripsWithEveryModifierSet) {
    int named = 0;
    for (unsigned key = 0; key <= 0xFF; ++key) {
        if (KeyName(static_cast<uint8_t>(key)).empty()) continue;
        ++named;
        for (TShiftState shift : kAllModifiers) {
            const TShortCut shortCut = ShortCut(static_cast<uint16_t>(key), shift);
            const std::string text = ShortCutToText(shortCut);
            EXPECT_EQ(TextToShortCut(text), shortCut) << text;
            EXPECT_EQ(TextToShortCut(Lower(text)), shortCut) << text;
        }
    }
    EXPECT_GT(named, 120);
}

TEST(ShortCutText, NamesAreDistinctIgnoringCase) {
    std::set<std::string> seen;
    for (unsigned key = 0; key <= 0xFF; ++key) {
        const std::string name = KeyName(static_cast<uint8_t>(key));
        if (name.empty()) continue;
        EXPECT_TRUE(seen.insert(Lower(name)).second) << name;
    }
}
