// Each test gets a private copy of the keyboard program, writes its layouts there, starts
// the processes it needs and leaves nothing running or latched behind.
#pragma once
#include <gtest/gtest.h>

#include "keyboard_process.h"
#include "program_folder.h"
#include "shared_record.h"
#include "target_app_process.h"
#include "test_layout.h"

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the layout into the program folder under name; returns its full path.
    std::wstring WriteLayout(const TTestLayout& layout, const std::wstring& name);
    // Starts the keyboard on the standard layout; asserts it appears.
    void StartKeyboard();
    void StartKeyboard(const std::wstring& layoutPath);
    // Starts the test target, then the keyboard, and waits until the keyboard adopts the target.
    void StartWithTarget();
    // Waits until the keyboard's record names window as its target.
    bool WaitForTargetAdopted(HWND window);
    void CloseKeyboard();
    // A real click on a control of the standard layout.
    void Click(const char* name);
    // Clicks and waits until the target's text reads expected.
    bool ClickAndExpect(const char* name, const std::string& expected);
    std::string ConfigText() const { return ReadWholeFile(folder.File(L"osk.hcfg")); }

    TProgramFolder folder;
    TTestLayout layout = StandardLayout();
    std::wstring layoutPath;
    TTargetApp target;
    TKeyboardProcess keyboard;
    TSharedRecord record;
};

// Caps Lock as the whole desktop sees it.
bool CapsLockOn();
