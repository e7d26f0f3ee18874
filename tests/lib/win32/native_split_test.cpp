// The command-line splitter must agree with the system's own.
#include <windows.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include "support/lib/command_line.h"

namespace {
std::vector<std::string> SystemSplit(const std::string& line) {
    std::wstring wide(line.begin(), line.end());
    int count = 0;
    LPWSTR* items = CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::string> result;
    for (int i = 0; items && i < count; ++i) {
        const std::wstring item = items[i];
        result.emplace_back(item.begin(), item.end());
    }
    LocalFree(items);
    return result;
}
}  // namespace

TEST(SplitCommandLineOnWindows, AgreesWithCommandLineToArgvW) {
    const char* lines[] = {
        "p.exe a b",
        "\"C:\\Program Files\\p.exe\" x \"y z\"",
        "p a\\b a\\\\b \\\"q\\\" a\\\\\\\"b",
        "p \"C:\\dir\\\\\" next",
        "p \"a\"\"b\" \"\"\"a b\"\"\" \"\"\"\" \"a\"\"\" b\" \"a\"\"\"\" b\"",
        "p \"\" x \"unterminated",
        "p\t\ttabs  \t and spaces   ",
        "\"C:\\dir\\\"x y",
        " leading",
    };
    for (const char* line : lines) EXPECT_EQ(SplitCommandLine(line), SystemSplit(line)) << line;
}

TEST(SplitCommandLineOnWindows, ProcessArgumentsComeFromTheCommandLine) {
    EXPECT_EQ(ReadProcessArguments(), SplitCommandLine(GetCommandLineA()));
}
