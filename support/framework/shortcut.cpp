#include "support/framework/shortcut.h"

#include <array>
#include <optional>
#include <string_view>

namespace {
// Windows virtual-key codes, as the system defines them.
enum : uint8_t {
    vkCancel = 0x03, vkBack = 0x08, vkTab = 0x09, vkClear = 0x0C, vkReturn = 0x0D,
    vkShift = 0x10, vkControl = 0x11, vkMenu = 0x12, vkPause = 0x13, vkCapital = 0x14, vkEscape = 0x1B,
    vkSpace = 0x20, vkPrior = 0x21, vkNext = 0x22, vkEnd = 0x23, vkHome = 0x24,
    vkLeft = 0x25, vkUp = 0x26, vkRight = 0x27, vkDown = 0x28, vkSnapshot = 0x2C, vkInsert = 0x2D, vkDelete = 0x2E,
    vkHelp = 0x2F, vkLWin = 0x5B, vkRWin = 0x5C, vkApps = 0x5D, vkSleep = 0x5F,
    vkNumpad0 = 0x60, vkMultiply = 0x6A, vkAdd = 0x6B, vkSubtract = 0x6D, vkDecimal = 0x6E, vkDivide = 0x6F,
    vkF1 = 0x70, vkF24 = 0x87, vkNumLock = 0x90, vkScroll = 0x91,
    vkLShift = 0xA0, vkRShift = 0xA1, vkLControl = 0xA2, vkRControl = 0xA3, vkLMenu = 0xA4, vkRMenu = 0xA5,
    vkVolumeMute = 0xAD, vkVolumeDown = 0xAE, vkVolumeUp = 0xAF,
    vkMediaNextTrack = 0xB0, vkMediaPrevTrack = 0xB1, vkMediaStop = 0xB2, vkMediaPlayPause = 0xB3,
    vkOem1 = 0xBA, vkOemPlus = 0xBB, vkOemComma = 0xBC, vkOemMinus = 0xBD, vkOemPeriod = 0xBE, vkOem2 = 0xBF,
    vkOem3 = 0xC0, vkOem4 = 0xDB, vkOem5 = 0xDC, vkOem6 = 0xDD, vkOem7 = 0xDE, vkOem102 = 0xE2,
};

struct TKeyName {
    uint8_t key;
    const char* name;
};

// Keys whose names are not simply a letter, a digit, "F<n>" or "Num <n>".
constexpr TKeyName kNamedKeys[] = {
    {vkCancel, "Break"}, {vkBack, "BkSp"}, {vkTab, "Tab"}, {vkClear, "Clear"}, {vkReturn, "Enter"},
    {vkShift, "Shift"}, {vkControl, "Ctrl"}, {vkMenu, "Alt"}, {vkPause, "Pause"}, {vkCapital, "Caps Lock"},
    {vkEscape, "Esc"}, {vkSpace, "Space"}, {vkPrior, "PgUp"}, {vkNext, "PgDn"}, {vkEnd, "End"}, {vkHome, "Home"},
    {vkLeft, "Left"}, {vkUp, "Up"}, {vkRight, "Right"}, {vkDown, "Down"}, {vkSnapshot, "Print Screen"},
    {vkInsert, "Ins"}, {vkDelete, "Del"}, {vkHelp, "Help"}, {vkLWin, "Left Win"}, {vkRWin, "Right Win"},
    {vkApps, "Apps"}, {vkSleep, "Sleep"}, {vkMultiply, "Num *"}, {vkAdd, "Num +"}, {vkSubtract, "Num -"},
    {vkDecimal, "Num ."}, {vkDivide, "Num /"}, {vkNumLock, "Num Lock"}, {vkScroll, "Scroll Lock"},
    {vkLShift, "Left Shift"}, {vkRShift, "Right Shift"}, {vkLControl, "Left Ctrl"}, {vkRControl, "Right Ctrl"},
    {vkLMenu, "Left Alt"}, {vkRMenu, "Right Alt"}, {vkVolumeMute, "Volume Mute"}, {vkVolumeDown, "Volume Down"},
    {vkVolumeUp, "Volume Up"}, {vkMediaNextTrack, "Next Track"}, {vkMediaPrevTrack, "Previous Track"},
    {vkMediaStop, "Media Stop"}, {vkMediaPlayPause, "Play/Pause"},
    {vkOem1, ";"}, {vkOemPlus, "="}, {vkOemComma, ","}, {vkOemMinus, "-"}, {vkOemPeriod, "."}, {vkOem2, "/"},
    {vkOem3, "`"}, {vkOem4, "["}, {vkOem5, "\\"}, {vkOem6, "]"}, {vkOem7, "'"}, {vkOem102, "<>"},
};

struct TModifier {
    TShortCut bit;
    std::string_view prefix;
};

// In the order the text shows them.
constexpr std::array<TModifier, 3> kModifiers = {{{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}}};

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::optional<uint8_t> KeyOfName(std::string_view name) {
    if (name.empty()) return std::nullopt;
    for (unsigned key = 1; key <= 0xFF; ++key)
        if (EqualIgnoringCase(KeyName(static_cast<uint8_t>(key)), name)) return static_cast<uint8_t>(key);
    return std::nullopt;
}
}  // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift) {
    if (key > 0xFF) return 0;
    TShortCut result = key;
    if (shift & ssShift) result |= scShift;
    if (shift & ssCtrl) result |= scCtrl;
    if (shift & ssAlt) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift) {
    key = shortCut & 0xFF;
    shift = 0;
    if (shortCut & scShift) shift |= ssShift;
    if (shortCut & scCtrl) shift |= ssCtrl;
    if (shortCut & scAlt) shift |= ssAlt;
}

std::string KeyName(uint8_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    if (key >= vkF1 && key <= vkF24) return "F" + std::to_string(key - vkF1 + 1);
    if (key >= vkNumpad0 && key <= vkNumpad0 + 9) return "Num " + std::to_string(key - vkNumpad0);
    for (const TKeyName& named : kNamedKeys)
        if (named.key == key) return named.name;
    return {};
}

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyName(static_cast<uint8_t>(shortCut & 0xFF));
    if (name.empty()) return {};
    std::string text;
    for (const TModifier& modifier : kModifiers)
        if (shortCut & modifier.bit) text += modifier.prefix;
    return text + name;
}

TShortCut TextToShortCut(const std::string& text) {
    std::string_view rest = text;
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const TModifier& modifier : kModifiers) {
            if (!(modifiers & modifier.bit) && rest.size() > modifier.prefix.size() && StartsWithIgnoringCase(rest, modifier.prefix)) {
                modifiers |= modifier.bit;
                rest.remove_prefix(modifier.prefix.size());
                found = true;
            }
        }
    }
    const std::optional<uint8_t> key = KeyOfName(rest);
    return key ? static_cast<TShortCut>(modifiers | *key) : TShortCut(0);
}
