// The system-specific half of __WinAbort.
#pragma once
#include <string>

// Shows text to the user under caption and waits until it has been seen.
void ShowFatalMessage(const std::string& caption, const std::string& text);
// Ends the process at once with exit code 1.
[[noreturn]] void EndProcessWithFailure();
