// A palette tab whose child list was tampered with: the missing button is noticed, and the
// assertion names the expression and where it failed.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "components/visual/palette/bottons_tab.h"
#include "palette_fixture.h"
#include "support/lib/file_log.h"

namespace {
// Presses OK on every dialog box this process shows from now on, so that the fatal message
// of an assertion does not wait for a user.
BOOL CALLBACK PressOkOnOwnDialog(HWND wnd, LPARAM) {
    DWORD process = 0;
    GetWindowThreadProcessId(wnd, &process);
    char className[16] = {};
    GetClassNameA(wnd, className, sizeof className);
    const bool ownDialog = process == GetCurrentProcessId() && std::strcmp(className, "#32770") == 0;
    if (ownDialog) PostMessageW(wnd, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void DismissMessageBoxesFromNowOn() {
    std::thread([] {
        for (;;) {
            EnumWindows(&PressOkOnOwnDialog, 0);
            Sleep(50);
        }
    }).detach();
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class BottonsTamperingTest : public PaletteFixture {
protected:
    BottonsTamperingTest() {
        tab = new HBottonsTab(&form);
        tab->SetParent(&form);
        tab->SetBounds(8, 8, 300, 60);
        tab->SetButtonsCount(2);
        ShowForm();
    }
    HBottonsTab* tab;
};

TEST_F(BottonsTamperingTest, AButtonOutOfItsPlaceIsNoButtonOfTheTab) {
    delete tab->GetButton(-BTN_SELECT);
    EXPECT_EQ(tab->GetButton(-BTN_SELECT), nullptr);
    EXPECT_EQ(tab->GetButton(-BTN_LEFT), nullptr);
    EXPECT_EQ(tab->GetButton(0), nullptr);
}

TEST_F(BottonsTamperingTest, UsingAMissingSpecialButtonEndsWithTheAssertionInTheLog) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string log = ::testing::TempDir() + "palette_assert.log";
    std::remove(log.c_str());
    FILELogSetPath(log);
    EXPECT_EXIT(
        {
            DismissMessageBoxesFromNowOn();
            delete tab->GetButton(-BTN_SELECT);
            tab->SetButtonFlat(false);
        },
        ::testing::ExitedWithCode(1), "");
    FILELogSetPath("");
    const std::string text = FileText(log);
    EXPECT_NE(text.find("Assert: [p = Buttons[ -BTN_SELECT ]] in "), std::string::npos) << text;
    EXPECT_NE(text.find("bottons_tab.cpp:"), std::string::npos) << text;
}
}  // namespace
