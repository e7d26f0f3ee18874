#include "support/dialogs/open_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dialog_robot.h"
#include "support/win32/wide_text.h"

namespace {
// The file name box of the system's open dialog: a combo box in the newer look, an edit in the older.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

void TypeFileName(HWND dialog, const std::string& name) {
    const std::wstring text = Utf8ToWide(name);
    if (!SetDlgItemTextW(dialog, kFileNameCombo, text.c_str())) SetDlgItemTextW(dialog, kFileNameEdit, text.c_str());
}

class OpenDialogTest : public ::testing::Test {
protected:
    OpenDialogTest() {
        folder = std::filesystem::temp_directory_path() / "pendrel-open-dialog";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "keys.osk") << "object";
        dialog.SetDefaultExt("osk");
        dialog.SetFilter("OSK keyboard files (osk)|*.osk|All files|*.*");
        dialog.SetOptions(TOpenOptions{ofPathMustExist, ofFileMustExist, ofEnableSizing});
        dialog.SetTitle("Load OSK file...");
        dialog.SetInitialDir(folder.string());
    }
    ~OpenDialogTest() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    TOpenDialog dialog{nullptr};
};
}  // namespace

TEST_F(OpenDialogTest, APickedFileComesBackWithItsFullPath) {
    TDialogRobot robot("Load OSK file...");
    robot.Then([](HWND d) { TypeFileName(d, "keys.osk"); }).Then([](HWND d) { PostMessageW(d, WM_COMMAND, IDOK, 0); });
    ASSERT_TRUE(dialog.Execute(nullptr));
    EXPECT_TRUE(robot.SawDialog());
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::path(dialog.GetFileName()), folder / "keys.osk"))
        << dialog.GetFileName();
}

TEST_F(OpenDialogTest, CancelPicksNothingAndKeepsTheName) {
    dialog.SetFileName("before.osk");
    TDialogRobot robot("Load OSK file...");
    robot.Then([](HWND d) { PostMessageW(d, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(dialog.Execute(nullptr));
    EXPECT_TRUE(robot.SawDialog());
    EXPECT_EQ(dialog.GetFileName(), "before.osk");
}
