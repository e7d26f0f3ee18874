// The settings file: what it looks like, what a damaged one does, and saves that fail.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/framework/exceptions.h"
#include "support/lib/config/config_text.h"
#include "support/lib/config/config_tree.h"
#include "tests/lib/temp_folder.h"

namespace {
HConfigItem FromText(const std::string& text) {
    HConfigItem root;
    HConfigFromText(text, root);
    return root;
}

std::string ParseError(const std::string& text) {
    try {
        FromText(text);
    } catch (const EParserError& e) {
        return e.Message;
    }
    return "no error";
}
}  // namespace

TEST(ConfigFileForm, ReadsAsAPersonWouldWriteIt) {
    HConfigItem root;
    root.Write("OnTaskbar", true);
    root.Write("LastPath", "C:\\Layouts\\");
    root.SubKey("Forms")->Write("Index", 1);
    root.SubKey("Forms")->SubKey("Item0")->Write("Name", "C__a.osk");
    root.SubKey("IDE")->WriteColor("Designer/GridColor", clBtnFace);
    const std::string text = HConfigToText(root);
    EXPECT_NE(text.find("bool OnTaskbar = true\n"), std::string::npos) << text;
    EXPECT_NE(text.find("string LastPath = \"C:\\\\Layouts\\\\\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n[Forms]\nint Index = 1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n[Forms/Item0]\nstring Name = \"C__a.osk\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n[IDE]\ncolor \"Designer/GridColor\" = 0x8000000F\n"), std::string::npos) << text;
}

TEST(ConfigFileForm, HandEditedFileWithCommentsBlanksAndWindowsLineEnds) {
    HConfigItem root = FromText(
        "\xEF\xBB\xBF# made by hand\r\n"
        "  int   Width=  640  \r\n"
        "\r\n"
        "; another comment\r\n"
        "[ IDE / \"Designer/Grid\" ]\r\n"
        "\tbool Snap = 1\r\n"
        "[]\r\n"
        "color c = 0xff\r\n"
        "int64 big = -9223372036854775808");
    EXPECT_EQ(root.Read("Width", 0), 640);
    EXPECT_TRUE(root.SubKey("IDE")->SubKey("Designer/Grid")->Read("Snap", false));
    EXPECT_EQ(root.ReadColor("c", 0), 0xFF);
    EXPECT_EQ(root.Read("big", int64_t{0}), INT64_MIN);
}

TEST(ConfigFileForm, LaterLinesWinAndSectionsMayRepeat) {
    HConfigItem root = FromText("[A]\nint x = 1\n[B]\n[A]\nint x = 2\nint y = 3\n");
    EXPECT_EQ(root.SubKey("A")->Read("x", 0), 2);
    EXPECT_EQ(root.SubKey("A")->Read("y", 0), 3);
}

TEST(ConfigFileErrors, FaultsNameTheirLine) {
    EXPECT_EQ(ParseError("int a = 1\nfloat b = 2\n"), "Line 2: unknown kind \"float\"");
    EXPECT_EQ(ParseError("int a = 2147483648"), "Line 1: \"2147483648\" is not a valid number");
    EXPECT_EQ(ParseError("int64 a = 9223372036854775808"), "Line 1: \"9223372036854775808\" is not a valid number");
    EXPECT_EQ(ParseError("string a = \"open"), "Line 1: quoted text is not closed");
    EXPECT_EQ(ParseError("string a = \"\\q\""), "Line 1: unknown escape \\q");
    EXPECT_EQ(ParseError("string a = \"\\x4\""), "Line 1: \\x needs two hexadecimal digits");
    EXPECT_EQ(ParseError("bool a = yes"), "Line 1: \"yes\" is neither true nor false");
    EXPECT_EQ(ParseError("color a = 123"), "Line 1: a colour is written 0x followed by up to 8 hexadecimal digits");
    EXPECT_EQ(ParseError("color a = 0x123456789"), "Line 1: a colour is written 0x followed by up to 8 hexadecimal digits");
    EXPECT_EQ(ParseError("double a = 1e999"), "Line 1: \"1e999\" is not a valid floating-point number");
    EXPECT_EQ(ParseError("int a = 1 2"), "Line 1: unexpected text at the end of the line");
    EXPECT_EQ(ParseError("int = 1"), "Line 1: expected a name");
    EXPECT_EQ(ParseError("int a 1"), "Line 1: expected '='");
    EXPECT_EQ(ParseError("[A"), "Line 1: expected '/' or ']'");
    EXPECT_EQ(ParseError("[A/]"), "Line 1: expected a name");
    EXPECT_EQ(ParseError("[A] x"), "Line 1: unexpected text at the end of the line");
    EXPECT_EQ(ParseError("just text"), "Line 1: unknown kind \"just\"");
    EXPECT_EQ(ParseError("int\"a\" = 1"), "Line 1: expected a blank after the kind");
    EXPECT_EQ(ParseError("X = 1"), "Line 1: expected a kind (bool, int, int64, double, color or string)");
}

TEST(ConfigFileErrors, DeepNestingIsBoundedBothWays) {
    std::string path = "k";
    for (int depth = 1; depth < kMaxConfigDepth; ++depth) path += "/k";
    HConfigItem deepest = FromText("[" + path + "]\nint x = 1\n");
    EXPECT_EQ(ParseError("[" + path + "/k]\n"), "Line 1: keys are nested deeper than 64 levels");

    HConfigItem tooDeep;
    HConfigItem* key = &tooDeep;
    for (int depth = 0; depth <= kMaxConfigDepth; ++depth) key = key->SubKey("k");
    EXPECT_THROW(HConfigToText(tooDeep), EWriteError);
}

TEST(ConfigFileErrors, HugeSectionPathStopsAtTheDepthBound) {
    std::string path = "k";
    for (int depth = 1; depth < 1000000; ++depth) path += "/k";
    EXPECT_EQ(ParseError("[" + path + "]"), "Line 1: keys are nested deeper than 64 levels");
}

class ConfigFileOnDisk : public ::testing::Test {
protected:
    TTempFolder folder;
    std::string file = folder.File("osk.hcfg");
};

TEST_F(ConfigFileOnDisk, MissingFileLoadsNothingAndFirstSaveCreatesIt) {
    HTreeConfig tree;
    EXPECT_FALSE(tree.Load(file));
    EXPECT_TRUE(tree.Root()->Empty());
    EXPECT_FALSE(std::filesystem::exists(HDamagedConfigName(file)));
    tree.Root()->Write("x", 1);
    EXPECT_TRUE(tree.Save(file));
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST_F(ConfigFileOnDisk, DamagedFileLoadsAsDefaultsAndIsKeptAside) {
    WriteFileBytes(file, "int Good = 1\nthis is not a setting\n");
    HTreeConfig tree;
    tree.Root()->Write("Before", 5);
    EXPECT_FALSE(tree.Load(file));
    EXPECT_EQ(tree.Root()->Read("Good", -1), -1);
    EXPECT_EQ(tree.Root()->Read("Before", 0), 5);
    EXPECT_EQ(ReadFileBytes(HDamagedConfigName(file)), "int Good = 1\nthis is not a setting\n");

    ASSERT_TRUE(tree.Save(file));
    EXPECT_EQ(ReadFileBytes(HDamagedConfigName(file)), "int Good = 1\nthis is not a setting\n");
    HTreeConfig again;
    EXPECT_TRUE(again.Load(file));
    EXPECT_EQ(again.Root()->Read("Before", 0), 5);
}

TEST_F(ConfigFileOnDisk, NewerDamagedFileReplacesAnOlderOneAside) {
    WriteFileBytes(HDamagedConfigName(file), "old damage");
    WriteFileBytes(file, "new damage");
    HTreeConfig tree;
    EXPECT_FALSE(tree.Load(file));
    EXPECT_EQ(ReadFileBytes(HDamagedConfigName(file)), "new damage");
}

TEST_F(ConfigFileOnDisk, OversizedFileIsTakenAsDamaged) {
    WriteFileBytes(file, std::string(kMaxConfigFileSize + 1, '#'));
    HTreeConfig tree;
    EXPECT_FALSE(tree.Load(file));
    EXPECT_EQ(std::filesystem::file_size(HDamagedConfigName(file)), kMaxConfigFileSize + 1);
}

TEST_F(ConfigFileOnDisk, EmptyFileIsAnEmptyTree) {
    WriteFileBytes(file, "");
    HTreeConfig tree;
    EXPECT_TRUE(tree.Load(file));
}

TEST_F(ConfigFileOnDisk, LoadReplacesValuesButKeepsKeysHeldByCallers) {
    HTreeConfig tree;
    HConfigItem* forms = tree.Root()->SubKey("Forms");
    forms->Write("Index", 9);
    WriteFileBytes(file, "[Forms]\nint Index = 2\n");
    ASSERT_TRUE(tree.Load(file));
    EXPECT_EQ(tree.Root()->SubKey("Forms"), forms);
    EXPECT_EQ(forms->Read("Index", 0), 2);
}

TEST_F(ConfigFileOnDisk, SaveInterruptedByADirectoryKeepsNothingHalfWritten) {
    const std::string blocked = folder.File("blocked.hcfg");
    std::filesystem::create_directory(blocked);
    HTreeConfig tree;
    tree.Root()->Write("x", 1);
    EXPECT_FALSE(tree.Save(blocked));
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
    EXPECT_EQ(folder.Entries().size(), 1u);
}

TEST_F(ConfigFileOnDisk, FailedSaveLeavesTheOldFileIntact) {
    HTreeConfig tree;
    tree.Root()->Write("x", 1);
    ASSERT_TRUE(tree.Save(file));
    const std::string before = ReadFileBytes(file);

    tree.Root()->Write("x", 2);
    const std::string overlong = folder.File(std::string(300, 'n') + ".hcfg");
    EXPECT_FALSE(tree.Save(overlong));
    EXPECT_FALSE(tree.Save(folder.File("no such folder/osk.hcfg")));
    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_EQ(folder.Entries().size(), 1u);
}
