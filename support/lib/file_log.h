// A plain-text log beside the program, for faults seen where nobody looks at a console.
#pragma once
#include <string>

#include "support/lib/printf_format.h"

// Appends one line, "YYYY-MM-DD HH:MM:SS.mmm <text>", to the log file. Line breaks inside the text
// become spaces. Never throws; when the file cannot be written the line is lost.
void FILELog(const char* fmt, ...) PENDREL_PRINTF(1, 2);
// Sends the log to path instead; "" returns to the default, the program's name with ".log" beside it.
void FILELogSetPath(const std::string& path);
std::string FILELogGetPath();
