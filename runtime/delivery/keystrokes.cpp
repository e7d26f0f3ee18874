#include "runtime/delivery/keystrokes.h"

#include "keys/key_state.h"

namespace {
enum : uint8_t { vkShift = 0x10, vkControl = 0x11, vkMenu = 0x12, vkV = 0x56 };

struct TModifierKey {
    uint32_t Bit;
    uint8_t Code;
};

// The order in which latched modifiers are released.
constexpr TModifierKey kModifierKeys[] = {
    {ksLeftShift, 0xA0}, {ksRightShift, 0xA1}, {ksLeftAlt, 0xA4}, {ksRightAlt, 0xA5},
    {ksLeftCtrl, 0xA2},  {ksRightCtrl, 0xA3},  {ksLeftWin, 0x5B}, {ksRightWin, 0x5C},
};

bool IsInjectableKey(int code) { return code >= 1 && code <= 254; }
}  // namespace

TKeystrokes::TKeystrokes(IInputPlatform& input) : input_(input) {}

void TKeystrokes::ReleaseModifiers() {
    uint8_t state[kKeyboardStateSize] = {};
    input_.ReadKeyboardState(state);
    const uint32_t signature = KeyStateSignature(state);
    for (const TModifierKey& key : kModifierKeys)
        if (signature & key.Bit) Release(key.Code);
    latched_.reset();
}

void TKeystrokes::SendVirtualKey(int code, bool upOnly) {
    if (!IsInjectableKey(code)) return;
    if (!upOnly && IsModifierKey(code)) latched_.set(static_cast<size_t>(code));
    if (!upOnly && !IsModifierKey(code)) PressLatchedAgain();
    if (!upOnly) Press(code);
    if (upOnly || !IsModifierKey(code)) {
        Release(code);
        ReleaseModifiers();
    }
}

void TKeystrokes::SendShortCut(TShortCut shortcut) {
    if (shortcut == 0) return;
    uint16_t key = 0;
    TShiftState shift = 0;
    ShortCutToKey(shortcut, key, shift);
    if (!IsInjectableKey(key)) return;
    if (shift & ssShift) Press(vkShift);
    if (shift & ssCtrl) Press(vkControl);
    if (shift & ssAlt) Press(vkMenu);
    SendVirtualKey(key, false);
}

void TKeystrokes::PasteText(const std::string& text) {
    // Ctrl+V without our text on the clipboard would paste whatever was there before.
    if (!input_.PutClipboardText(text)) return;
    ReleaseModifiers();
    Press(vkControl);
    Press(vkV);
    Release(vkControl);
    Release(vkV);
}

void TKeystrokes::PressLatchedAgain() {
    if (latched_.none()) return;
    uint8_t state[kKeyboardStateSize] = {};
    input_.ReadKeyboardState(state);
    for (size_t code = 0; code < latched_.size(); ++code)
        if (latched_.test(code) && !(state[code] & 0x80)) Press(static_cast<int>(code));
}

void TKeystrokes::Press(int code) { input_.KeyEvent(static_cast<uint8_t>(code), false); }

void TKeystrokes::Release(int code) { input_.KeyEvent(static_cast<uint8_t>(code), true); }
