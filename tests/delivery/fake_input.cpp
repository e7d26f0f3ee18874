#include "fake_input.h"

#include <cstdio>
#include <cstring>

namespace {
// The system records Shift, Ctrl and Alt injected by their common codes as the left-hand keys.
uint8_t SidedCode(uint8_t code) {
    switch (code) {
        case 0x10: return 0xA0;
        case 0x11: return 0xA2;
        case 0x12: return 0xA4;
        default: return code;
    }
}

bool IsLock(uint8_t code) { return code == 0x14 || code == 0x90 || code == 0x91; }

void SetDown(uint8_t* state, uint8_t code, bool down) {
    if (down)
        state[code] |= 0x80;
    else
        state[code] &= 0x7F;
}

// The common codes are down while either side is.
void UpdateCommonCodes(uint8_t* state) {
    constexpr uint8_t kPairs[][3] = {{0x10, 0xA0, 0xA1}, {0x11, 0xA2, 0xA3}, {0x12, 0xA4, 0xA5}};
    for (const auto& pair : kPairs) SetDown(state, pair[0], ((state[pair[1]] | state[pair[2]]) & 0x80) != 0);
}
}  // namespace

void TFakeInput::KeyEvent(uint8_t code, bool up) {
    char line[16];
    std::snprintf(line, sizeof line, "%02X %s", code, up ? "up" : "down");
    Log.push_back(line);
    const uint8_t sided = SidedCode(code);
    if (IsLock(sided) && !up) State[sided] ^= 0x01;
    SetDown(State, sided, !up);
    UpdateCommonCodes(State);
}

bool TFakeInput::ReadKeyboardState(uint8_t* state) {
    std::memcpy(state, State, sizeof State);
    return true;
}

bool TFakeInput::PutClipboardText(const std::string& utf8) {
    if (!ClipboardAvailable) return false;
    Log.push_back("clipboard " + utf8);
    return true;
}
