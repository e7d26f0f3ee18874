// A program the keyboard knows nothing of receives the typed characters as well.
#include "keyboard_fixture.h"

namespace {
// Forget the typed text so that closing asks nothing.
void DiscardChanges(HWND edit) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(edit, EM_SETMODIFY, FALSE, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}
}  // namespace

using Notepad = KeyboardTest;

TEST_F(Notepad, ReceivesTypedCharacters) {
    ASSERT_TRUE(target.Start(L"notepad.exe", L"Notepad")) << "notepad.exe did not start";
    ASSERT_NO_FATAL_FAILURE(StartKeyboard());
    ASSERT_TRUE(target.BringToFront());
    ASSERT_TRUE(WaitForTargetAdopted(target.Window()));
    EXPECT_TRUE(ClickAndExpect(keys::A, "a")) << target.Text();
    EXPECT_TRUE(ClickAndExpect(keys::B, "ab")) << target.Text();
    EXPECT_EQ(GetForegroundWindow(), target.Window());
    DiscardChanges(target.Edit());
}
