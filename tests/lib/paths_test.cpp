#include <gtest/gtest.h>

#include "support/lib/paths.h"

TEST(PathSplitting, SplitsDirectoryNameAndExtension) {
    const std::string path = "C:\\Programs\\Pendrel\\layout.kbd";
    EXPECT_EQ(FPath(path), "C:\\Programs\\Pendrel\\");
    EXPECT_EQ(FName(path), "layout.kbd");
    EXPECT_EQ(FNameOnly(path), "layout");
    EXPECT_EQ(FExtOnly(path), "kbd");
}

TEST(PathSplitting, EmptyPathHasNoParts) {
    EXPECT_EQ(FPath(""), "");
    EXPECT_EQ(FName(""), "");
    EXPECT_EQ(FNameOnly(""), "");
    EXPECT_EQ(FExtOnly(""), "");
}

TEST(PathSplitting, NameWithoutDirectory) {
    EXPECT_EQ(FPath("layout.kbd"), "");
    EXPECT_EQ(FName("layout.kbd"), "layout.kbd");
}

TEST(PathSplitting, TrailingSeparatorMeansNoFileName) {
    EXPECT_EQ(FPath("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(FName("C:\\dir\\"), "");
    EXPECT_EQ(FExtOnly("C:\\dir\\"), "");
}

TEST(PathSplitting, DotInDirectoryIsNoExtension) {
    EXPECT_EQ(FExtOnly("C:\\my.dir\\readme"), "");
    EXPECT_EQ(FNameOnly("C:\\my.dir\\readme"), "readme");
    EXPECT_EQ(FExtOnly("/home/u/.config/file"), "");
}

TEST(PathSplitting, OnlyTheLastDotStartsTheExtension) {
    EXPECT_EQ(FExtOnly("archive.tar.gz"), "gz");
    EXPECT_EQ(FNameOnly("archive.tar.gz"), "archive.tar");
    EXPECT_EQ(FExtOnly("name."), "");
    EXPECT_EQ(FNameOnly("name."), "name");
    EXPECT_EQ(FExtOnly(".hidden"), "hidden");
    EXPECT_EQ(FNameOnly(".hidden"), "");
}

TEST(PathSplitting, ForwardSlashesSeparateToo) {
    EXPECT_EQ(FPath("C:/a/b\\c.txt"), "C:/a/b\\");
    EXPECT_EQ(FName("dir/sub/c.txt"), "c.txt");
    EXPECT_EQ(FPath("/usr/bin/tool", '/'), "/usr/bin/");
}

TEST(PathSplitting, BackslashIsPartOfTheNameWhenSlashIsTheSeparator) {
    EXPECT_EQ(FName("/tmp/a\\b", '/'), "a\\b");
}

TEST(PathSplitting, DriveWithoutSeparator) {
    EXPECT_EQ(FPath("C:file.txt"), "C:");
    EXPECT_EQ(FName("C:file.txt"), "file.txt");
    EXPECT_EQ(FName("C:file.txt", '/'), "C:file.txt");
}

TEST(PathSplitting, UncPaths) {
    EXPECT_EQ(FPath("\\\\server\\share\\file.txt"), "\\\\server\\share\\");
    EXPECT_EQ(FName("\\\\server\\share"), "share");
    EXPECT_EQ(FPath("\\\\server"), "\\\\");
}

TEST(AddLastSlash, AddsOnlyWhenMissing) {
    EXPECT_EQ(AddLastSlash("C:\\dir"), "C:\\dir\\");
    EXPECT_EQ(AddLastSlash("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(AddLastSlash("C:/dir/"), "C:/dir/");
    EXPECT_EQ(AddLastSlash("/tmp", '/'), "/tmp/");
    EXPECT_EQ(AddLastSlash(""), "");
}

TEST(IsAbsolutePath, DriveAndUncAreAbsolute) {
    EXPECT_TRUE(IsAbsolutePath("C:\\x"));
    EXPECT_TRUE(IsAbsolutePath("c:/x"));
    EXPECT_TRUE(IsAbsolutePath("\\\\server\\share"));
    EXPECT_TRUE(IsAbsolutePath("//server/share"));
}

TEST(IsAbsolutePath, RelativeForms) {
    EXPECT_FALSE(IsAbsolutePath(""));
    EXPECT_FALSE(IsAbsolutePath("x.txt"));
    EXPECT_FALSE(IsAbsolutePath("sub\\x.txt"));
    EXPECT_FALSE(IsAbsolutePath("C:"));
    EXPECT_FALSE(IsAbsolutePath("C:x.txt"));
    EXPECT_FALSE(IsAbsolutePath("1:\\x"));
    EXPECT_FALSE(IsAbsolutePath("..\\x"));
}

TEST(IsAbsolutePath, LeadingSlashDependsOnTheSystem) {
#ifdef _WIN32
    EXPECT_FALSE(IsAbsolutePath("/usr"));
#else
    EXPECT_TRUE(IsAbsolutePath("/usr"));
#endif
}

TEST(MakeRelativePath, BelowTheBaseBecomesRelative) {
    EXPECT_EQ(MakeRelativePath("C:\\prog\\data\\a.kbd", "C:\\prog\\", false), "data\\a.kbd");
    EXPECT_EQ(MakeRelativePath("C:\\prog\\", "C:\\prog\\", false), "");
}

TEST(MakeRelativePath, OutsideTheBaseStaysUnchanged) {
    EXPECT_EQ(MakeRelativePath("C:\\program\\a.kbd", "C:\\prog\\", false), "C:\\program\\a.kbd");
    EXPECT_EQ(MakeRelativePath("C:\\pro", "C:\\prog\\", false), "C:\\pro");
    EXPECT_EQ(MakeRelativePath("D:\\prog\\a.kbd", "C:\\prog\\", false), "D:\\prog\\a.kbd");
    EXPECT_EQ(MakeRelativePath("a.kbd", "", false), "a.kbd");
}

TEST(MakeRelativePath, CaseMattersOnlyWhenAsked) {
    EXPECT_EQ(MakeRelativePath("c:\\PROG\\a.kbd", "C:\\prog\\", true), "a.kbd");
    EXPECT_EQ(MakeRelativePath("c:\\PROG\\a.kbd", "C:\\prog\\", false), "c:\\PROG\\a.kbd");
}

TEST(MakeRelativePath, SlashesMatchBackslashes) {
    EXPECT_EQ(MakeRelativePath("C:/prog/a.kbd", "C:\\prog\\", true), "a.kbd");
}

TEST(StartupDir, IsTheFolderOfTheRunningProgram) {
    const std::string program = GetModulePath();
    ASSERT_FALSE(program.empty());
    const std::string dir = GetStartupDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_TRUE(dir.back() == '\\' || dir.back() == '/');
    EXPECT_EQ(dir + FName(program), program);
    EXPECT_NE(FNameOnly(program).find("lib_test"), std::string::npos);
    EXPECT_TRUE(IsAbsolutePath(dir));
}

TEST(StartupDir, LocalPathsJoinTheProgramFolder) {
    EXPECT_EQ(MakeStartLocalPath("layouts\\a.kbd"), GetStartupDir() + "layouts\\a.kbd");
    EXPECT_EQ(MakeStartLocalPath("C:\\abs\\a.kbd"), "C:\\abs\\a.kbd");
}

TEST(StartupDir, RelativePathsRoundTrip) {
    const std::string inside = GetStartupDir() + "layouts/a.kbd";
    EXPECT_EQ(MakeStartRelativePath(inside), "layouts/a.kbd");
    EXPECT_EQ(MakeStartLocalPath(MakeStartRelativePath(inside)), inside);
    const std::string outside = FPath(GetStartupDir().substr(0, GetStartupDir().size() - 1)) + "other/a.kbd";
    EXPECT_EQ(MakeStartRelativePath(outside), outside);
}
