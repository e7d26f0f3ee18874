// Start and end of the keyboard: one instance, settings written at close, window positions
// remembered per layout.
#include <cstdlib>

#include "keys/osk_messages.h"
#include "keyboard_fixture.h"
#include "mouse_input.h"
#include "waiting.h"

namespace {
POINT TopLeft(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{rect.left, rect.top};
}

void MoveWindowTo(HWND window, int x, int y) {
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitUntil([&] { return TopLeft(window).x == x && TopLeft(window).y == y; }, 3000);
}

bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }
}  // namespace

using Lifecycle = KeyboardTest;

TEST_F(Lifecycle, SecondStartShowsTheHiddenFirstAndEnds) {
    ASSERT_NO_FATAL_FAILURE(StartKeyboard());
    HWND first = keyboard.Window();
    PostMessageW(first, WM_OSK_SHOWHIDE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(first); }, 3000)) << "WM_OSK_SHOWHIDE 0 did not hide it";

    TChildProcess second;
    ASSERT_TRUE(second.Start(L"\"" + folder.File(L"Pendrel.exe") + L"\"", folder.Path()));
    ASSERT_TRUE(second.WaitForEnd(5000)) << "the second start kept running";
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(first) != FALSE; }, 3000)) << "the first was not shown";
    EXPECT_TRUE(keyboard.Process().Running());
}

TEST_F(Lifecycle, FirstCloseWritesTheSettingsFile) {
    ASSERT_FALSE(FileExists(folder.File(L"osk.hcfg")));
    ASSERT_NO_FATAL_FAILURE(StartKeyboard());
    ASSERT_FALSE(FileExists(folder.File(L"osk.hcfg"))) << "written before the close";
    ASSERT_NO_FATAL_FAILURE(CloseKeyboard());
    const std::string config = ConfigText();
    EXPECT_NE(config.find("LastUsedForm"), std::string::npos) << config;
    EXPECT_NE(config.find("Forms"), std::string::npos) << config;
    EXPECT_EQ(keyboard.Process().ExitCode(), 0u);
}

TEST_F(Lifecycle, WindowPositionIsRememberedPerLayout) {
    const std::wstring other = WriteLayout(SmallLayout(), L"small.osk");
    ASSERT_NO_FATAL_FAILURE(StartKeyboard(layoutPath));
    MoveWindowTo(keyboard.Window(), 210, 160);
    ASSERT_NO_FATAL_FAILURE(CloseKeyboard());

    ASSERT_NO_FATAL_FAILURE(StartKeyboard(layoutPath));
    EXPECT_TRUE(TopLeft(keyboard.Window()) == (POINT{210, 160}));
    ASSERT_NO_FATAL_FAILURE(CloseKeyboard());

    ASSERT_NO_FATAL_FAILURE(StartKeyboard(other));
    MoveWindowTo(keyboard.Window(), 420, 330);
    ASSERT_NO_FATAL_FAILURE(CloseKeyboard());

    ASSERT_NO_FATAL_FAILURE(StartKeyboard(layoutPath));
    const POINT restored = TopLeft(keyboard.Window());
    EXPECT_TRUE(restored == (POINT{210, 160})) << restored.x << "," << restored.y;
    ASSERT_NO_FATAL_FAILURE(CloseKeyboard());

    ASSERT_NO_FATAL_FAILURE(StartKeyboard(other));
    const POINT small = TopLeft(keyboard.Window());
    EXPECT_TRUE(small == (POINT{420, 330})) << small.x << "," << small.y;
}

TEST_F(Lifecycle, DraggingAnEmptySpotMovesTheWindow) {
    ASSERT_NO_FATAL_FAILURE(StartKeyboard());
    const POINT before = TopLeft(keyboard.Window());
    const POINT from = keyboard.ScreenPoint(EmptySpot());
    // Upwards: the keyboard starts at the bottom of the screen, which the pointer cannot pass.
    DragFromTo(from, POINT{from.x + 40, from.y - 30});
    EXPECT_TRUE(WaitUntil([&] { return TopLeft(keyboard.Window()) == (POINT{before.x + 40, before.y - 30}); }, 3000))
        << TopLeft(keyboard.Window()).x - before.x << "," << TopLeft(keyboard.Window()).y - before.y;
}

TEST_F(Lifecycle, AFirstStartShowsTheKeyboardCentredAtTheBottomOfTheWorkArea) {
    ASSERT_NO_FATAL_FAILURE(StartKeyboard());
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    const RECT window = keyboard.WindowRect();
    EXPECT_EQ(window.bottom, work.bottom);
    EXPECT_LE(std::abs((window.left + window.right) - (work.left + work.right)), 1)
        << window.left << ".." << window.right << " in " << work.left << ".." << work.right;
}

TEST_F(Lifecycle, ClosingTheTaskbarButtonClosesTheKeyboardAsExitDoes) {
    ASSERT_NO_FATAL_FAILURE(StartKeyboard());
    DWORD process = 0;
    GetWindowThreadProcessId(keyboard.Window(), &process);
    HWND button = nullptr;
    // The task-bar window comes once the keyboard has painted.
    const auto findButton = [&] {
        while ((button = FindWindowExW(nullptr, button, L"TApplication", L"OSK")) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(button, &owner);
            if (owner == process) return true;
        }
        return false;
    };
    ASSERT_TRUE(WaitUntil(findButton, 5000)) << "no task-bar window";
    PostMessageW(button, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(keyboard.Process().WaitForEnd(5000)) << "the keyboard kept running";
    EXPECT_EQ(keyboard.Process().ExitCode(), 0u);
    EXPECT_NE(ConfigText().find("LastUsedForm"), std::string::npos) << "the settings were not saved";
}
