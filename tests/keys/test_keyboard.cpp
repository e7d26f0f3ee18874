#include "test_keyboard.h"

#include "keys/osk_messages.h"

namespace {
struct TRussianKey {
    uint8_t VirtualKey;
    char16_t Lower;
};

// A part of the Russian layout: enough letters for the tests.
constexpr TRussianKey kRussianKeys[] = {
    {0x51, u'й'}, {0x57, u'ц'}, {0x41, u'ф'}, {0x53, u'ы'}, {0x44, u'в'}, {0x46, u'а'}, {0xBC, u'б'}, {0xBE, u'ю'},
};

bool IsDown(const uint8_t* state, uint8_t code) { return state[code] & 0x80; }

bool Shifted(const uint8_t* state) {
    return (IsDown(state, 0x10) || IsDown(state, 0xA0) || IsDown(state, 0xA1)) != bool(state[0x14] & 1);
}
}  // namespace

int16_t TTestKeyboard::KeyScan(char32_t character) {
    if (CurrentLayout != kRussianLayout) return TUsKeyboard::KeyScan(character);
    for (const TRussianKey& key : kRussianKeys) {
        if (character == key.Lower) return key.VirtualKey;
        if (character == static_cast<char32_t>(key.Lower - 0x20)) return static_cast<int16_t>(0x100 | key.VirtualKey);
    }
    return -1;
}

int TTestKeyboard::ToUnicode(uint32_t virtualKey, uint32_t scanCode, const uint8_t* state, char16_t* buffer,
                             int bufferSize, uint32_t flags, void* layout) {
    StateSeen.assign(state, state + 256);
    if (layout == kUsInternationalLayout && virtualKey == 0xDE) return -1;
    if (layout != kRussianLayout) return TUsKeyboard::ToUnicode(virtualKey, scanCode, state, buffer, bufferSize, flags, layout);
    if (IsDown(state, 0x11)) return 0;
    for (const TRussianKey& key : kRussianKeys)
        if (key.VirtualKey == virtualKey) {
            buffer[0] = Shifted(state) ? static_cast<char16_t>(key.Lower - 0x20) : key.Lower;
            return 1;
        }
    return 0;
}

std::string TTestKeyboard::UpperCase(const std::string& character) {
    // Cyrillic а..п (D0 B0..BF) and р..я (D1 80..8F) to А..Я (D0 90..AF).
    if (character.size() == 2 && character[0] == '\xD0' && static_cast<unsigned char>(character[1]) >= 0xB0)
        return std::string("\xD0") + static_cast<char>(character[1] - 0x20);
    if (character.size() == 2 && character[0] == '\xD1' && static_cast<unsigned char>(character[1]) < 0x90)
        return std::string("\xD0") + static_cast<char>(character[1] + 0x20);
    return TUsKeyboard::UpperCase(character);
}

intptr_t TTestKeyboard::Send(void*, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message != WM_OSK_GETSETTING) return 0;
    const std::string name = reinterpret_cast<const char*>(wParam);
    SettingQueries.push_back(name);
    const auto found = Settings.find(name);
    return found == Settings.end() ? lParam : found->second;
}

bool TTestKeyboard::Post(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    Posted.push_back({window, message, wParam, lParam});
    return true;
}
