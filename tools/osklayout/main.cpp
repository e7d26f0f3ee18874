// osklayout: prints, converts and checks layout files for layout authors.
#include <iostream>
#include <string>
#include <vector>

#include "osklayout.h"
#include "support/lib/command_line.h"

#ifdef _WIN32
void UseBinaryStandardOutput();
#endif

int main() {
#ifdef _WIN32
    // The text form has its own CR LF line ends; the C runtime must not add more.
    UseBinaryStandardOutput();
#endif
    std::vector<std::string> args = ReadProcessArguments();
    if (!args.empty()) args.erase(args.begin());
    return RunOsklayout(args, std::cout, std::cerr);
}
