#include "us_keyboard.h"

#include <cctype>

namespace {
struct TUsKey {
    uint8_t VirtualKey;
    uint8_t ScanCode;
    char Plain;
    char Shifted;
};

// The typing keys of the US layout.
constexpr TUsKey kUsKeys[] = {
    {0xC0, 0x29, '`', '~'},  {0x31, 0x02, '1', '!'},  {0x32, 0x03, '2', '@'},  {0x33, 0x04, '3', '#'},
    {0x34, 0x05, '4', '$'},  {0x35, 0x06, '5', '%'},  {0x36, 0x07, '6', '^'},  {0x37, 0x08, '7', '&'},
    {0x38, 0x09, '8', '*'},  {0x39, 0x0A, '9', '('},  {0x30, 0x0B, '0', ')'},  {0xBD, 0x0C, '-', '_'},
    {0xBB, 0x0D, '=', '+'},  {0x51, 0x10, 'q', 'Q'},  {0x57, 0x11, 'w', 'W'},  {0x45, 0x12, 'e', 'E'},
    {0x52, 0x13, 'r', 'R'},  {0x54, 0x14, 't', 'T'},  {0x59, 0x15, 'y', 'Y'},  {0x55, 0x16, 'u', 'U'},
    {0x49, 0x17, 'i', 'I'},  {0x4F, 0x18, 'o', 'O'},  {0x50, 0x19, 'p', 'P'},  {0xDB, 0x1A, '[', '{'},
    {0xDD, 0x1B, ']', '}'},  {0xDC, 0x2B, '\\', '|'}, {0x41, 0x1E, 'a', 'A'},  {0x53, 0x1F, 's', 'S'},
    {0x44, 0x20, 'd', 'D'},  {0x46, 0x21, 'f', 'F'},  {0x47, 0x22, 'g', 'G'},  {0x48, 0x23, 'h', 'H'},
    {0x4A, 0x24, 'j', 'J'},  {0x4B, 0x25, 'k', 'K'},  {0x4C, 0x26, 'l', 'L'},  {0xBA, 0x27, ';', ':'},
    {0xDE, 0x28, '\'', '"'}, {0x5A, 0x2C, 'z', 'Z'},  {0x58, 0x2D, 'x', 'X'},  {0x43, 0x2E, 'c', 'C'},
    {0x56, 0x2F, 'v', 'V'},  {0x42, 0x30, 'b', 'B'},  {0x4E, 0x31, 'n', 'N'},  {0x4D, 0x32, 'm', 'M'},
    {0xBC, 0x33, ',', '<'},  {0xBE, 0x34, '.', '>'},  {0xBF, 0x35, '/', '?'},  {0x20, 0x39, ' ', ' '},
};

const TUsKey* FindByVirtualKey(uint32_t code) {
    for (const TUsKey& key : kUsKeys)
        if (key.VirtualKey == code) return &key;
    return nullptr;
}

bool IsDown(const uint8_t* state, uint8_t code) { return state[code] & 0x80; }

// Ctrl with a key: the control characters of letters and of [ \ ], a blank for the space bar.
char16_t ControlCharacter(const TUsKey& key) {
    if (std::isalpha(static_cast<unsigned char>(key.Plain))) return static_cast<char16_t>(key.Shifted - '@');
    switch (key.Plain) {
        case '[': return 0x1B;
        case '\\': return 0x1C;
        case ']': return 0x1D;
        case ' ': return u' ';
        default: return 0;
    }
}
}  // namespace

int16_t TUsKeyboard::KeyScan(char32_t character) {
    for (const TUsKey& key : kUsKeys) {
        if (static_cast<char32_t>(static_cast<unsigned char>(key.Plain)) == character) return key.VirtualKey;
        if (static_cast<char32_t>(static_cast<unsigned char>(key.Shifted)) == character)
            return static_cast<int16_t>(0x100 | key.VirtualKey);
    }
    return -1;
}

uint32_t TUsKeyboard::MapKey(uint32_t code, uint32_t mapType) {
    if (mapType != 0) return 0;
    const TUsKey* key = FindByVirtualKey(code);
    return key ? key->ScanCode : 0;
}

int TUsKeyboard::ToUnicode(uint32_t virtualKey, uint32_t, const uint8_t* state, char16_t* buffer, int bufferSize,
                             uint32_t, void*) {
    const TUsKey* key = FindByVirtualKey(virtualKey);
    if (!key || bufferSize < 1) return 0;
    const bool ctrl = IsDown(state, 0x11) || IsDown(state, 0xA2) || IsDown(state, 0xA3);
    const bool alt = IsDown(state, 0x12) || IsDown(state, 0xA4) || IsDown(state, 0xA5);
    if (ctrl) {
        if (alt) return 0;
        buffer[0] = ControlCharacter(*key);
        return buffer[0] ? 1 : 0;
    }
    bool shifted = IsDown(state, 0x10) || IsDown(state, 0xA0) || IsDown(state, 0xA1);
    if (std::isalpha(static_cast<unsigned char>(key->Plain)) && (state[0x14] & 0x01)) shifted = !shifted;
    buffer[0] = static_cast<char16_t>(static_cast<unsigned char>(shifted ? key->Shifted : key->Plain));
    return 1;
}

std::string TUsKeyboard::UpperCase(const std::string& character) {
    std::string upper = character;
    if (upper.size() == 1) upper[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(upper[0])));
    return upper;
}
