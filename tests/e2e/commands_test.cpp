// Command keys: a shortcut, fixed text and the text of the layout's own edit field, all
// arriving in the target.
#include "keyboard_fixture.h"
#include "waiting.h"

namespace {
std::string WindowText(HWND window) {
    char buffer[256] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                        &length);
    return std::string(buffer, length);
}

// The layout's edit field: the only EDIT window inside the keyboard's design panel.
HWND LayoutEdit(HWND keyboard) {
    HWND panel = FindWindowExW(keyboard, nullptr, nullptr, nullptr);
    return panel ? FindWindowExW(panel, nullptr, L"Edit", nullptr) : nullptr;
}
}  // namespace

using Commands = KeyboardTest;

TEST_F(Commands, ShortCutSelectsTheTargetsText) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    ASSERT_TRUE(ClickAndExpect(keys::A, "a"));
    ASSERT_TRUE(ClickAndExpect(keys::B, "ab"));
    Click(keys::SelectAll);
    EXPECT_TRUE(WaitUntil([&] { return target.Selection() == std::make_pair(0, 2); }, 3000))
        << target.Selection().first << ".." << target.Selection().second;
    EXPECT_TRUE(ClickAndExpect(keys::C, "c")) << target.Text();
}

TEST_F(Commands, ConstantMacroPastesItsText) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    ASSERT_TRUE(ClickAndExpect(keys::A, "a"));
    EXPECT_TRUE(ClickAndExpect(keys::Paste, std::string("a") + kPastedText)) << target.Text();
}

TEST_F(Commands, EditFieldMacroSendsTheFieldAndEmptiesIt) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    HWND field = LayoutEdit(keyboard.Window());
    ASSERT_NE(field, nullptr);
    Click(keys::Buffer);
    Click(keys::B);
    Click(keys::A);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(field) == "ba"; }, 3000)) << WindowText(field);
    EXPECT_EQ(target.Text(), "") << "keys went to the target while the layout's field had the focus";
    ASSERT_TRUE(target.BringToFront());
    ASSERT_TRUE(WaitForTargetAdopted(target.Window()));
    EXPECT_TRUE(ClickAndExpect(keys::SendBuffer, "ba")) << target.Text();
    EXPECT_TRUE(WaitUntil([&] { return WindowText(field).empty(); }, 3000)) << WindowText(field);
}
