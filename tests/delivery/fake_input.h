// An input platform that records what would have been typed, as lines like "A0 down", and keeps
// a keyboard state the way the system updates it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/delivery/input_platform.h"

class TFakeInput : public IInputPlatform {
public:
    void KeyEvent(uint8_t code, bool up) override;
    bool ReadKeyboardState(uint8_t* state) override;
    bool PutClipboardText(const std::string& utf8) override;

    std::vector<std::string> Log;
    uint8_t State[256] = {};
    bool ClipboardAvailable = true;
};
