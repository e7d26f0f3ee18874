// A keyboard with the US-English layout and no windows: the keys' platform where the
// Windows functions are missing, and the base of test keyboards.
#pragma once
#include "keyboard_platform.h"

class TUsKeyboard : public IKeyboardPlatform {
public:
    int16_t KeyScan(char32_t character) override;
    uint32_t MapKey(uint32_t code, uint32_t mapType) override;
    // Shift and Caps Lock choose the case, Ctrl gives control characters, Ctrl with Alt nothing.
    int ToUnicode(uint32_t virtualKey, uint32_t scanCode, const uint8_t* state, char16_t* buffer, int bufferSize,
                    uint32_t flags, void* layout) override;
    // ASCII letters only; other characters stay as they are.
    std::string UpperCase(const std::string& character) override;
    // No windows: nothing is answered and nothing is posted.
    intptr_t Send(void*, uint32_t, uintptr_t, intptr_t) override { return 0; }
    bool Post(void*, uint32_t, uintptr_t, intptr_t) override { return false; }
};
