// Messages any process may send the keyboard: they never make it follow a foreign pointer.
#include <windows.h>

#include "components/config/cfg_storage.h"
#include "components/surface/design_panel.h"
#include "keys/osk_custom_key.h"
#include "keys/osk_messages.h"
#include "main_form_fixture.h"
#include "support/win32/message_loop.h"

namespace {
OSKCustomKey* KeyNamed(TMainFormOSK& form, const char* name) {
    return dynamic_cast<OSKCustomKey*>(form.design->FindComponent(name));
}
}  // namespace

TEST_F(MainFormTest, GetSettingAnswersFromTheSettingsForAReadableName) {
    StartForm();
    form->cfg->Write("LRDiff", false);
    static const char name[] = "LRDiff";
    EXPECT_EQ(Send(WM_OSK_GETSETTING, reinterpret_cast<WPARAM>(name), 1), 0);
    static const char missing[] = "NoSuchSetting";
    EXPECT_EQ(Send(WM_OSK_GETSETTING, reinterpret_cast<WPARAM>(missing), 7), 7);
}

TEST_F(MainFormTest, GetSettingAnswersZeroForNullOrUnreadableNames) {
    StartForm();
    EXPECT_EQ(Send(WM_OSK_GETSETTING, 0, 5), 0);
    void* reserved = VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_NE(reserved, nullptr);
    EXPECT_EQ(Send(WM_OSK_GETSETTING, reinterpret_cast<WPARAM>(reserved), 5), 0);
    VirtualFree(reserved, 0, MEM_RELEASE);
}

TEST_F(MainFormTest, KeyPressedIgnoresAddressesThatAreNotItsOwnKeys) {
    StartForm(WriteLayout("small.osk", SmallLayout("    Command = ocMinimize\r\n")));
    ASSERT_TRUE(form->GetVisible() || (form->Show(), form->GetVisible()));
    // An address of unmapped memory, and one inside a key but not the key itself.
    Send(WM_OSK_KEYPRESSED, 0x10);
    Send(WM_OSK_KEYPRESSED, reinterpret_cast<WPARAM>(KeyNamed(*form, "cmd")) + 8);
    Send(WM_OSK_KEYPRESSED, 0);
    EXPECT_TRUE(form->GetVisible());
    Send(WM_OSK_KEYPRESSED, reinterpret_cast<WPARAM>(KeyNamed(*form, "cmd")));
    EXPECT_FALSE(form->GetVisible()) << "its own minimise key hides the keyboard";
}

TEST_F(MainFormTest, ShowHideActsOnZeroOneAndToggleOnly) {
    StartForm();
    form->Show();
    Send(WM_OSK_SHOWHIDE, 1);
    EXPECT_TRUE(form->GetVisible());
    Send(WM_OSK_SHOWHIDE, 0);
    EXPECT_FALSE(form->GetVisible());
    Send(WM_OSK_SHOWHIDE, 0);
    EXPECT_FALSE(form->GetVisible());
    Send(WM_OSK_SHOWHIDE, 2);
    EXPECT_FALSE(form->GetVisible());
    Send(WM_OSK_SHOWHIDE, 4096);
    EXPECT_TRUE(form->GetVisible());
    Send(WM_OSK_SHOWHIDE, 4096);
    EXPECT_FALSE(form->GetVisible());
}

TEST_F(MainFormTest, TheWindowFloatsWithoutTakingTheActivation) {
    StartForm();
    HWND wnd = form->Window();
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_NOACTIVATE), WS_EX_TOPMOST | WS_EX_NOACTIVATE);
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CAPTION, WS_BORDER) << "no caption bar by default";
    EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_POPUP);
    wchar_t name[64] = {};
    GetClassNameW(wnd, name, 64);
    EXPECT_STREQ(name, L"TMainFormOSK");
    EXPECT_EQ(Send(WM_MOUSEACTIVATE), MA_NOACTIVATE);
}
