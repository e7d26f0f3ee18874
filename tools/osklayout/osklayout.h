// The osklayout commands: print, convert and check layout files.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// Exit codes.
inline constexpr int kOsklayoutOk = 0;
inline constexpr int kOsklayoutFailed = 1;  // invalid layout or I/O error
inline constexpr int kOsklayoutUsage = 2;

// Runs one command; args are the arguments after the program name. Results go to out,
// the usage text and one-line error messages to err. Registers the layout classes.
int RunOsklayout(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
