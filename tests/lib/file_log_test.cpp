#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "support/lib/file_log.h"
#include "support/lib/paths.h"
#include "temp_folder.h"

namespace {
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

class FileLogTest : public ::testing::Test {
protected:
    void SetUp() override { FILELogSetPath(log_); }
    void TearDown() override { FILELogSetPath(""); }

    TTempFolder folder_;
    std::string log_ = folder_.File("test.log");
};
}  // namespace

TEST_F(FileLogTest, AppendsOneStampedLinePerCall) {
    FILELog("first %d", 1);
    FILELog("second %s", "entry");
    const std::vector<std::string> lines = Lines(ReadFileBytes(log_));
    ASSERT_EQ(lines.size(), 2u);
    const std::regex stamped(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3} (.*))");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(lines[0], match, stamped)) << lines[0];
    EXPECT_EQ(match[1], "first 1");
    ASSERT_TRUE(std::regex_match(lines[1], match, stamped)) << lines[1];
    EXPECT_EQ(match[1], "second entry");
}

TEST_F(FileLogTest, KeepsWhatWasThere) {
    WriteFileBytes(log_, "earlier\n");
    FILELog("later");
    const std::vector<std::string> lines = Lines(ReadFileBytes(log_));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "earlier");
}

TEST_F(FileLogTest, LineBreaksInTheTextStayOnOneLine) {
    FILELog("two\nparts\r\n");
    const std::vector<std::string> lines = Lines(ReadFileBytes(log_));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("two parts"), std::string::npos) << lines[0];
}

TEST_F(FileLogTest, UnwritableLogIsIgnored) {
    FILELogSetPath(folder_.File("missing-folder/test.log"));
    EXPECT_NO_THROW(FILELog("lost %d", 1));
    EXPECT_NO_THROW(FILELog(nullptr));
}

TEST(FileLogPath, DefaultsToTheProgramNameBesideIt) {
    FILELogSetPath("");
    const std::string program = GetModulePath();
    EXPECT_EQ(FILELogGetPath(), GetStartupDir() + FNameOnly(program) + ".log");
}
