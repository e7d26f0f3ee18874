// Windows mouse and keyboard messages as the framework's input events.
#pragma once
#include <windows.h>

#include "support/framework/control_input.h"

// False for messages that are no client-area mouse or keyboard input.
bool ToInputEvent(UINT message, WPARAM wParam, LPARAM lParam, TInputEvent& input);
// The Shift, Ctrl and Alt keys as they are held now.
TShiftState CurrentShiftState();
