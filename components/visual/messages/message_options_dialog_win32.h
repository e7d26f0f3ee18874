// The dialog in which the user sets the message window's options.
#pragma once
#include <windows.h>

#include "components/visual/messages/message_options.h"

// Shows the options modally; true, with options changed, when the user chose OK.
bool EditMessageOptions(HWND owner, HiInfoOptions& options);
