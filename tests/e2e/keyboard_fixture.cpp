#include "keyboard_fixture.h"

#include <thread>

#include "mouse_input.h"
#include "waiting.h"

namespace {
constexpr int kAdoptTimeoutMs = 5000;

void PressCapsLock() {
    keybd_event(VK_CAPITAL, 0, 0, 0);
    keybd_event(VK_CAPITAL, 0, KEYEVENTF_KEYUP, 0);
}
}  // namespace

bool CapsLockOn() {
    // A thread without a message queue reads the desktop's key state, not a stale copy.
    bool on = false;
    std::thread([&on] { on = (GetKeyState(VK_CAPITAL) & 1) != 0; }).join();
    return on;
}

void KeyboardTest::SetUp() {
    ASSERT_EQ(FindWindowW(kKeyboardClass, kKeyboardTitle), nullptr) << "a keyboard from elsewhere is running";
    ASSERT_TRUE(folder.Copied()) << "copying the program failed";
    layoutPath = WriteLayout(layout, L"standard.osk");
}

void KeyboardTest::TearDown() {
    if (keyboard.Process().Running()) {
        EXPECT_TRUE(keyboard.Close()) << "the keyboard did not end after WM_CLOSE";
    }
    target.Close();
    if (CapsLockOn()) PressCapsLock();
}

std::wstring KeyboardTest::WriteLayout(const TTestLayout& written, const std::wstring& name) {
    const std::wstring path = folder.File(name);
    EXPECT_TRUE(written.WriteTo(path));
    return path;
}

void KeyboardTest::StartKeyboard() { StartKeyboard(layoutPath); }

void KeyboardTest::StartKeyboard(const std::wstring& path) {
    ASSERT_TRUE(keyboard.Start(folder.File(L"Pendrel.exe"), path)) << "no keyboard window appeared";
}

void KeyboardTest::StartWithTarget() {
    ASSERT_TRUE(target.StartTestTarget()) << "the target program did not start";
    ASSERT_NO_FATAL_FAILURE(StartKeyboard());
    ASSERT_TRUE(target.BringToFront());
    ASSERT_TRUE(WaitForTargetAdopted(target.Window())) << "the keyboard never adopted the target";
}

bool KeyboardTest::WaitForTargetAdopted(HWND window) {
    return WaitUntil(
        [&] { return (record.IsOpen() || record.Open()) && record.Read(TSharedRecord::TargetWindow) == HandleValue(window); },
        kAdoptTimeoutMs);
}

void KeyboardTest::CloseKeyboard() { ASSERT_TRUE(keyboard.Close()) << "the keyboard did not end after WM_CLOSE"; }

void KeyboardTest::Click(const char* name) { ClickAt(keyboard.ScreenPoint(layout.Centre(name))); }

bool KeyboardTest::ClickAndExpect(const char* name, const std::string& expected) {
    Click(name);
    return target.WaitForText(expected);
}
