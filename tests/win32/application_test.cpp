// The program's task-bar window and its entry: closing the window closes the program, and
// an error that reaches the entry is shown and fails the program.
#include "support/win32/application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "tests/dialogs/dialog_robot.h"

TEST(Application, ClosingTheTaskbarWindowAsksTheProgramToCloseAndKeepsTheWindow) {
    Application().Initialize();
    int closes = 0;
    Application().OnClose = [&closes] { ++closes; };
    SendMessageW(Application().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Application().OnClose = nullptr;
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(Application().Handle()));
}

TEST(Application, AnErrorThatReachesTheEntryIsShownAndGivesExitCodeOne) {
    Application().SetTitle("Entry test");
    TDialogRobot robot("Entry test");
    TShownDialog shown;
    robot.Inspect(shown).Click("OK");
    EXPECT_EQ(RunProgram([]() -> int { throw std::runtime_error("the disk is full"); }), 1);
    EXPECT_TRUE(robot.SawDialog());
    EXPECT_NE(std::find(shown.Texts.begin(), shown.Texts.end(), "the disk is full"), shown.Texts.end());
    EXPECT_EQ(RunProgram([] { return 0; }), 0);
}
