// Ending the program on a fault it cannot recover from.
#pragma once

#include "support/lib/printf_format.h"

// Shows the formatted text to the user (a message box on Windows, stderr elsewhere), writes it to
// the log (FILELog) and ends the process with exit code 1. Destructors and atexit handlers do not run.
[[noreturn]] void __WinAbort(const char* fmt, ...) PENDREL_PRINTF(1, 2);
