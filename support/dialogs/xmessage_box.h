// The message box of the system's look with more buttons, a "don't ask again" check box,
// the system's message font and localised button texts.
#pragma once
#include <windows.h>

#include "support/dialogs/core/message_box_flags.h"

// Shows text modally over owner (null: the desktop) and returns the value of the button
// pressed, or-ed with the check box's bit (XMB_NOTASKAGAIN or XMB_NOTTELLAGAIN) when the box
// was ticked. A null or empty caption shows the running program's full path. Texts are UTF-8.
// helpContext: the help topic of the Help button; 0 opens the help index.
int XMessageBox(HWND owner, const char* text, const char* caption, unsigned flags, unsigned helpContext = 0);
