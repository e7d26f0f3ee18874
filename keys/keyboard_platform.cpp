#include "keyboard_platform.h"

namespace {
IKeyboardPlatform*& Installed() {
    static IKeyboardPlatform* platform = nullptr;
    return platform;
}
}  // namespace

IKeyboardPlatform& KeyboardPlatform() { return Installed() ? *Installed() : DefaultKeyboardPlatform(); }

void SetKeyboardPlatform(IKeyboardPlatform* platform) { Installed() = platform; }
