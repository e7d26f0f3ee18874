// The program's command-line arguments.
#pragma once
#include <string>
#include <vector>

// Splits a command line by the rules of CommandLineToArgvW; the first item is the program.
std::vector<std::string> SplitCommandLine(const std::string& line);
// The process's own arguments, program first: on Windows its command line, elsewhere /proc/self/cmdline.
std::vector<std::string> ReadProcessArguments();

// Replaces the arguments CTArgGetArg sees (main()'s argc/argv, or a test's); argv[0] is the program.
// Pointers returned by CTArgGetArg before the call become invalid.
void CTArgInit(int argc, char** argv);
// Index 0 is the first argument after the program name; nullptr past the last.
const char* CTArgGetArg(int index);
int CTArgCount();
