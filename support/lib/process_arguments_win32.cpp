#include <windows.h>

#include "support/lib/command_line.h"

std::vector<std::string> ReadProcessArguments() { return SplitCommandLine(GetCommandLineA()); }
