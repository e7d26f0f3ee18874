// The character window shows a clicked key above the keyboard and hides after a while.
#include "keyboard_fixture.h"
#include "waiting.h"

namespace {
constexpr int kDefaultAutohideMs = 1000;

HWND CharWindow(DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"OSKCharClass", L"OSKCharWindow")) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}
}  // namespace

using CharacterWindow = KeyboardTest;

TEST_F(CharacterWindow, ShownAboveTheKeyboardThenHidden) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    HWND chars = CharWindow(keyboard.Process().Id());
    ASSERT_NE(chars, nullptr);
    EXPECT_FALSE(IsWindowVisible(chars));

    ASSERT_TRUE(ClickAndExpect(keys::A, "a"));
    const ULONGLONG clicked = GetTickCount64();
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(chars) != FALSE; }, 3000)) << "not shown";
    RECT shown{};
    GetWindowRect(chars, &shown);
    const RECT board = keyboard.WindowRect();
    EXPECT_EQ(shown.bottom, board.top);
    EXPECT_EQ(shown.left, board.left);
    EXPECT_GE(shown.right - shown.left, shown.bottom - shown.top) << "narrower than high";

    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(chars); }, 5000)) << "never hidden";
    const ULONGLONG visibleMs = GetTickCount64() - clicked;
    EXPECT_GE(visibleMs, kDefaultAutohideMs * 7 / 10);
    EXPECT_LE(visibleMs, kDefaultAutohideMs * 3);
}

TEST_F(CharacterWindow, AutohideIntervalComesFromTheSettings) {
    ASSERT_TRUE(WriteWholeFile(folder.File(L"osk.hcfg"), "int AutohideInterval = 2500\n"));
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    HWND chars = CharWindow(keyboard.Process().Id());
    ASSERT_NE(chars, nullptr);
    ASSERT_TRUE(ClickAndExpect(keys::B, "b"));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(chars) != FALSE; }, 3000)) << "not shown";
    Pause(1600);
    EXPECT_TRUE(IsWindowVisible(chars)) << "hidden before the stored interval";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(chars); }, 4000)) << "never hidden";
}
