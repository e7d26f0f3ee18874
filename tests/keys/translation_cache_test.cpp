// Remembered translations: asked once per key, state and layout, and never mixed up.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "keys/translation_cache.h"

namespace {
using TState = std::array<uint8_t, 256>;

class TranslationCache : public ::testing::Test {
protected:
    // The system: 'a' or 'A' by Shift, a dead acute on 0xDE, and a count of its calls.
    int Translate(uint32_t key, const TState& state, void* layout, std::u16string& text) {
        char16_t buffer[4] = {};
        const int result = cache.Translate(key, 0, state.data(), buffer, 4, 0, layout, [&](char16_t* answer) {
            ++asked;
            if (key == 0xDE) {
                answer[0] = u'\u00B4';
                return -1;
            }
            answer[0] = (state[0xA0] & 0x80) ? u'A' : u'a';
            return 1;
        });
        text.assign(buffer, result < 0 ? 1 : result);
        return result;
    }

    TTranslationCache cache;
    int asked = 0;
    void* const us = reinterpret_cast<void*>(0x04090409);
    void* const other = reinterpret_cast<void*>(0x04190419);
};

TEST_F(TranslationCache, AKeyIsTranslatedOncePerStateAndLayout) {
    TState plain{}, shifted{};
    shifted[0xA0] = 0x80;
    std::u16string text;

    EXPECT_EQ(Translate('A', plain, us, text), 1);
    EXPECT_EQ(text, u"a");
    EXPECT_EQ(Translate('A', shifted, us, text), 1);
    EXPECT_EQ(text, u"A");
    EXPECT_EQ(Translate('A', plain, us, text), 1);
    EXPECT_EQ(text, u"a");
    EXPECT_EQ(Translate('A', plain, other, text), 1);
    EXPECT_EQ(asked, 3);
}

TEST_F(TranslationCache, ADeadKeyKeepsItsCharacterAndItsNegativeCount) {
    TState plain{};
    std::u16string text;
    Translate(0xDE, plain, us, text);

    EXPECT_EQ(Translate(0xDE, plain, us, text), -1);
    EXPECT_EQ(text, u"\u00B4");
    EXPECT_EQ(asked, 1);
}
}  // namespace
