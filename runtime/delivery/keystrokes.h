// Typing for the target window: keys go down and up, modifier keys stay latched until the next
// ordinary key releases them, shortcuts and pasted texts.
#pragma once
#include <bitset>
#include <string>

#include "runtime/delivery/input_platform.h"
#include "support/framework/shortcut.h"

class TKeystrokes {
public:
    explicit TKeystrokes(IInputPlatform& input);

    // Key-up for every Shift, Alt, Ctrl and Windows key the keyboard state holds down; locks stay.
    void ReleaseModifiers();
    // A modifier goes down and stays latched; any other key goes down and up and releases the
    // latched modifiers. A latched modifier the system let go of meanwhile (Wine does so when the
    // pointer moves, matching its X keyboard) goes down again before the key. upOnly releases the key and every modifier. Codes outside 1..254 send nothing.
    void SendVirtualKey(int code, bool upOnly);
    // Shift, Ctrl and Alt as the shortcut says, then its key; 0 sends nothing.
    void SendShortCut(TShortCut shortcut);
    // The text through the clipboard and Ctrl+V; nothing is typed when the clipboard refused it.
    void PasteText(const std::string& text);

private:
    void Press(int code);
    void Release(int code);
    void PressLatchedAgain();

    IInputPlatform& input_;
    std::bitset<256> latched_;
};
