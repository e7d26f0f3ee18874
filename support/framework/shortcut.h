// Keyboard shortcuts: a virtual-key code and modifier keys packed in 16 bits, and their text.
#pragma once
#include <cstdint>
#include <string>

using TShortCut = uint16_t;

// Keys and mouse buttons held, of shortcuts and of input events.
enum TShiftStateFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = unsigned;

// Modifier bits of a TShortCut; the virtual-key code is the low byte.
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// key (a Windows virtual-key code) with Shift, Ctrl and Alt from shift; 0 when key does not fit a byte.
TShortCut ShortCut(uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift);
// "Shift+", "Ctrl+", "Alt+" (in that order) and the key's name, e.g. "Ctrl+A"; "" when the key has no name.
std::string ShortCutToText(TShortCut shortCut);
// The inverse of ShortCutToText; modifiers and key names in any case; 0 for unknown text.
TShortCut TextToShortCut(const std::string& text);
// The name ShortCutToText uses for a virtual-key code; "" when it has none.
std::string KeyName(uint8_t key);
