#include "key_state.h"

namespace {
struct TSignatureKey {
    uint8_t Code;
    uint32_t Bits;  // the key is down when any of these bits is set
};

constexpr TSignatureKey kDownKeys[] = {
    {0xA0, ksLeftShift}, {0xA1, ksRightShift}, {0xA4, ksLeftAlt}, {0xA5, ksRightAlt},
    {0xA2, ksLeftCtrl},  {0xA3, ksRightCtrl},  {0x5B, ksLeftWin}, {0x5C, ksRightWin},
};

constexpr TSignatureKey kToggleKeys[] = {{0x14, ksCapsLock}, {0x90, ksNumLock}, {0x91, ksScrollLock}};

// In the order they are written back.
constexpr TSignatureKey kAppliedKeys[] = {
    {0xA4, ksLeftAlt},   {0xA5, ksRightAlt},  {0x12, ksLeftAlt | ksRightAlt},
    {0xA0, ksLeftShift}, {0xA1, ksRightShift}, {0x10, ksLeftShift | ksRightShift},
    {0xA2, ksLeftCtrl},  {0xA3, ksRightCtrl}, {0x11, ksLeftCtrl | ksRightCtrl},
    {0x5B, ksLeftWin},   {0x5C, ksRightWin},  {0x5D, ksLeftWin | ksRightWin},
    {0x14, ksCapsLock},  {0x90, ksNumLock},   {0x91, ksScrollLock},
};
}  // namespace

uint32_t KeyStateSignature(const uint8_t* state) {
    uint32_t signature = 0;
    for (const TSignatureKey& key : kDownKeys)
        if (state[key.Code] & 0x80) signature |= key.Bits;
    for (const TSignatureKey& key : kToggleKeys)
        if (state[key.Code] & 0x01) signature |= key.Bits;
    return signature;
}

void ApplyKeyStateSignature(uint8_t* state, uint32_t signature) {
    for (const TSignatureKey& key : kAppliedKeys) {
        if (signature & key.Bits)
            state[key.Code] |= 0x80;
        else
            state[key.Code] &= 0x7F;
    }
}

bool IsModifierKey(int code) {
    return (code >= 0x10 && code <= 0x12) || (code >= 0x5B && code <= 0x5D) || (code >= 0xA0 && code <= 0xA5);
}
