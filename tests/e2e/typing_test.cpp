// Character and modifier keys clicked with the mouse arrive in the application that has the
// foreground, which keeps it.
#include "keyboard_fixture.h"
#include "waiting.h"

namespace {
HWND OpenMenu() { return FindWindowW(L"#32768", nullptr); }

void PressEscape() {
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}
}  // namespace

using Typing = KeyboardTest;

TEST_F(Typing, CharacterKeysArriveInTheTarget) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    EXPECT_TRUE(ClickAndExpect(keys::A, "a")) << target.Text();
    EXPECT_TRUE(ClickAndExpect(keys::B, "ab")) << target.Text();
}

TEST_F(Typing, ClicksNeverTakeTheForeground) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    for (const char* key : {keys::A, keys::Shift, keys::B, keys::Paste}) {
        Click(key);
        EXPECT_EQ(GetForegroundWindow(), target.Window())
            << "after a click on " << key << " the foreground is a " << ClassOf(GetForegroundWindow());
    }
}

TEST_F(Typing, LatchedShiftAppliesToTheNextCharacterOnly) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    Click(keys::Shift);
    EXPECT_TRUE(ClickAndExpect(keys::A, "A")) << target.Text();
    EXPECT_TRUE(ClickAndExpect(keys::B, "Ab")) << target.Text();
}

TEST_F(Typing, ShiftClickedTwiceIsReleased) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    Click(keys::Shift);
    Click(keys::Shift);
    EXPECT_TRUE(ClickAndExpect(keys::A, "a")) << target.Text();
}

TEST_F(Typing, CapsLockTogglesUpperCase) {
    ASSERT_FALSE(CapsLockOn()) << "Caps Lock was on before the test";
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    Click(keys::Caps);
    EXPECT_TRUE(ClickAndExpect(keys::A, "A")) << target.Text();
    EXPECT_TRUE(ClickAndExpect(keys::B, "AB")) << target.Text();
    Click(keys::Caps);
    EXPECT_TRUE(ClickAndExpect(keys::C, "ABc")) << target.Text();
    EXPECT_FALSE(CapsLockOn());
}

TEST_F(Typing, KeysArriveInTheTargetAfterTheKeyboardsMenu) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    Click(keys::Menu);
    ASSERT_TRUE(WaitUntil([] { return OpenMenu() != nullptr && IsWindowVisible(OpenMenu()); }, 3000)) << "no menu opened";
    PressEscape();
    ASSERT_TRUE(WaitUntil([] { return OpenMenu() == nullptr || !IsWindowVisible(OpenMenu()); }, 3000)) << "the menu stayed open";
    // The keyboard's timer steps ran while the menu was open.
    Pause(500);
    EXPECT_TRUE(ClickAndExpect(keys::A, "a")) << "the target reads '" << target.Text() << "'";
    EXPECT_EQ(record.Read(TSharedRecord::TargetWindow), HandleValue(target.Window()));
}
