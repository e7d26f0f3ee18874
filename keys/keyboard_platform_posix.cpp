#include "us_keyboard.h"

IKeyboardPlatform& DefaultKeyboardPlatform() {
    static TUsKeyboard keyboard;
    return keyboard;
}
