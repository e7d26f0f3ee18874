#include "support/lib/win_abort.h"

#include <cstdarg>

#include "support/lib/fatal_exit.h"
#include "support/lib/file_log.h"
#include "support/lib/format.h"
#include "support/lib/paths.h"

void __WinAbort(const char* fmt, ...) {
    std::string text;
    try {
        va_list args;
        va_start(args, fmt);
        text = VMessage(fmt, args);
        va_end(args);
    } catch (...) {
        text = "Fatal error";
    }
    // Logged before it is shown: the user may end the process while the message is up.
    FILELog("Fatal: %s", text.c_str());
    try {
        const std::string program = FNameOnly(GetModulePath());
        ShowFatalMessage(program.empty() ? "Error" : program, text);
    } catch (...) {
    }
    EndProcessWithFailure();
}
