#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/osklayout/osklayout.h"

namespace {
int RunCommand(const std::vector<std::string>& args, std::string& err) {
    std::ostringstream out, errors;
    const int code = RunOsklayout(args, out, errors);
    err = errors.str();
    return code;
}
}  // namespace

TEST(RenderCommand, NeedsALayoutAndAnOutputFile) {
    std::string err;
    EXPECT_EQ(RunCommand({"render", "only.osk"}, err), kOsklayoutUsage);
    EXPECT_NE(err.find("render needs a layout file and an output file"), std::string::npos) << err;
}

TEST(RenderCommand, AMissingLayoutFileFailsWithoutWritingTheBitmap) {
    const std::string out = (std::filesystem::temp_directory_path() / "surface-missing.bmp").string();
    std::filesystem::remove(out);
    std::string err;
    EXPECT_EQ(RunCommand({"render", "no-such-layout.osk", out}, err), kOsklayoutFailed);
    EXPECT_NE(err.find("no-such-layout.osk"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

#ifndef _WIN32
TEST(RenderCommand, ElsewhereThanWindowsItSaysItNeedsWindows) {
    const std::string layout = (std::filesystem::temp_directory_path() / "surface-render.osk").string();
    const std::string out = (std::filesystem::temp_directory_path() / "surface-render.bmp").string();
    {
        std::ofstream file(layout);
        file << "object design: HDesignPanel\n  Width = 50\n  Height = 20\nend\n";
    }
    std::filesystem::remove(out);
    std::string err;
    EXPECT_EQ(RunCommand({"render", layout, out}, err), kOsklayoutFailed);
    EXPECT_NE(err.find("needs the Windows build"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(out));
}
#endif
