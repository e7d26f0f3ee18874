// The system services keystroke delivery needs, behind a seam so that the event order can be
// checked without injecting real input.
#pragma once
#include <cstdint>
#include <string>

class IInputPlatform {
public:
    virtual ~IInputPlatform() = default;
    // One key event into the system input stream; the extended-key flag is never set.
    virtual void KeyEvent(uint8_t code, bool up) = 0;
    // The 256-byte keyboard state of the calling thread (of the target's, while attached to it);
    // false, with every key up and off, when the system gave none.
    virtual bool ReadKeyboardState(uint8_t* state) = 0;
    // Replaces the clipboard's content with the text; false when the clipboard stayed busy or
    // refused the data.
    virtual bool PutClipboardText(const std::string& utf8) = 0;
};

// The real system: keybd_event, GetKeyboardState and the clipboard as Unicode text.
IInputPlatform& Win32InputPlatform();
