// The running message box: what its controls mean and how it ends.
#pragma once
#include <windows.h>

#include <vector>

#include "support/dialogs/core/message_buttons.h"

constexpr WORD kXMBCheckBoxId = 100;
constexpr WORD kXMBIconId = 101;
constexpr WORD kXMBTextId = 102;

struct TMessageBoxState {
    unsigned Flags = 0;
    unsigned HelpContext = 0;
    std::vector<XMBButton> Buttons;
    int DefaultButton = 0;
    HICON Icon = nullptr;
};

// Runs the dialog of the template modally over owner; the dialog's result.
INT_PTR RunMessageBoxDialog(HWND owner, const void* dialogTemplate, TMessageBoxState& state);
