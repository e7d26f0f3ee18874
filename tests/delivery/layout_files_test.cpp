#include "runtime/delivery/layout_files.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/win32/wide_text.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Optional;

namespace {
std::string TempFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return WideToUtf8(temp) + "delivery_layouts_" + std::to_string(GetCurrentProcessId());
}

void MakeFile(const std::string& path) {
    HANDLE file = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    CloseHandle(file);
}

std::vector<std::string> Sorted(std::vector<std::string> paths) {
    std::sort(paths.begin(), paths.end());
    return paths;
}

// A folder with two layouts, a text file, a folder named like a layout and an empty folder.
class LayoutFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr);
        CreateDirectoryW(Utf8ToWide(folder + "\\nested.osk").c_str(), nullptr);
        CreateDirectoryW(Utf8ToWide(emptyFolder).c_str(), nullptr);
        for (const std::string& file : files) MakeFile(folder + "\\" + file);
    }
    void TearDown() override {
        for (const std::string& file : files) DeleteFileW(Utf8ToWide(folder + "\\" + file).c_str());
        RemoveDirectoryW(Utf8ToWide(emptyFolder).c_str());
        RemoveDirectoryW(Utf8ToWide(folder + "\\nested.osk").c_str());
        RemoveDirectoryW(Utf8ToWide(folder).c_str());
    }

    const std::string folder = TempFolder();
    const std::string emptyFolder = folder + "\\empty";
    const std::vector<std::string> files{"pc.osk", "Русская.osk", "notes.txt"};
};

TEST_F(LayoutFilesTest, FolderListsItsLayoutsButNotItsFolders) {
    const auto found = FindLayoutFiles(folder, "C:\\unused\\");
    ASSERT_TRUE(found.has_value());
    EXPECT_THAT(Sorted(*found), ElementsAre(folder + "\\pc.osk", folder + "\\Русская.osk"));
}

TEST_F(LayoutFilesTest, FolderWithTrailingSeparatorListsTheSame) {
    const auto found = FindLayoutFiles(folder + "\\", "C:\\unused\\");
    ASSERT_TRUE(found.has_value());
    EXPECT_THAT(Sorted(*found), ElementsAre(folder + "\\pc.osk", folder + "\\Русская.osk"));
}

TEST_F(LayoutFilesTest, EmptyCommandSearchesTheStartupFolder) {
    const auto found = FindLayoutFiles("", folder + "\\");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->size(), 2u);
}

TEST_F(LayoutFilesTest, ExplicitPatternsAreSearchedAsGiven) {
    EXPECT_THAT(FindLayoutFiles(folder + "\\*.txt", ""), Optional(ElementsAre(folder + "\\notes.txt")));
    EXPECT_THAT(FindLayoutFiles(folder + "\\p?.osk", ""), Optional(ElementsAre(folder + "\\pc.osk")));
}

TEST_F(LayoutFilesTest, NothingFoundGivesNoList) {
    EXPECT_EQ(FindLayoutFiles(emptyFolder, ""), std::nullopt);
    EXPECT_EQ(FindLayoutFiles(folder + "\\*.none", ""), std::nullopt);
    EXPECT_EQ(FindLayoutFiles(folder + "\\missing", ""), std::nullopt);
}

TEST_F(LayoutFilesTest, MatchesThatAreOnlyFoldersGiveAnEmptyList) {
    EXPECT_THAT(FindLayoutFiles(folder + "\\nest*", ""), Optional(IsEmpty()));
}
}  // namespace
