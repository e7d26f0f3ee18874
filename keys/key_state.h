// A summary of the 256-byte keyboard state (one byte per virtual key: 0x80 down, 0x01
// toggled on) in 11 bits: which Shift, Alt, Ctrl and Windows keys are down and which locks are on.
#pragma once
#include <cstdint>

inline constexpr int kKeyboardStateSize = 256;

enum TKeyStateBit : uint32_t {
    ksLeftShift = 0x001,
    ksRightShift = 0x002,
    ksLeftAlt = 0x004,
    ksRightAlt = 0x008,
    ksLeftCtrl = 0x010,
    ksRightCtrl = 0x020,
    ksLeftWin = 0x040,
    ksRightWin = 0x080,
    ksCapsLock = 0x100,
    ksNumLock = 0x200,
    ksScrollLock = 0x400,
};

uint32_t KeyStateSignature(const uint8_t* state);
// Sets or clears the down bit of every key the signature speaks of, sided and common codes
// alike (0x10, 0x11, 0x12 and 0x5D stand for either side); for the locks the down bit too,
// not the toggle bit. Other bits stay as they are.
void ApplyKeyStateSignature(uint8_t* state, uint32_t signature);
// Shift, Ctrl and Alt (0x10 to 0x12), the Windows keys and 0x5D, and their sided codes (0xA0 to 0xA5).
bool IsModifierKey(int code);
