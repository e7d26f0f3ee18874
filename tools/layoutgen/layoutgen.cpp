// layoutgen DIR: writes the shipped layouts into DIR.
#include <cstdio>
#include <string>

#include "shipped_layouts.h"
#include "support/framework/exceptions.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: layoutgen DIR\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    try {
        WriteFullKeyboard(dir + "startup.osk");
        WriteLaptopKeyboard(dir + "laptop.osk");
        WriteNumericPad(dir + "numpad.osk");
    } catch (const Exception& e) {
        std::fprintf(stderr, "layoutgen: %s\n", e.Message.c_str());
        return 1;
    }
    return 0;
}
