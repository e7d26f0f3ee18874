// The settings dialog opened by a command key: Cancel writes nothing, OK stores the changes,
// which reach the settings file when the keyboard closes.
#include <string>

#include "keyboard_fixture.h"
#include "mouse_input.h"
#include "waiting.h"

namespace {
constexpr wchar_t kDialogCaption[] = L"Configure...";
constexpr wchar_t kClearBuffCaption[] = L"Clear edit after send text";
constexpr POINT kOkCentre{272 + 75 / 2, 338 + 25 / 2};  // the OK button in the dialog's client area

struct TChildSearch {
    const wchar_t* Text;
    HWND Found;
};

BOOL CALLBACK MatchChildText(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<TChildSearch*>(parameter);
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    if (std::wstring(text) != search->Text) return TRUE;
    search->Found = window;
    return FALSE;
}

HWND ChildWithText(HWND parent, const wchar_t* text) {
    TChildSearch search{text, nullptr};
    EnumChildWindows(parent, MatchChildText, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

LRESULT Send(HWND window, UINT message) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG, 3000, &result);
    return static_cast<LRESULT>(result);
}
}  // namespace

class SettingsDialog : public KeyboardTest {
protected:
    HWND OpenDialog() {
        Click(keys::Configure);
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = FindProcessWindow(keyboard.Process().Id(), nullptr, kDialogCaption)) != nullptr; },
                  5000);
        return dialog;
    }

    bool WaitForDialogGone(HWND dialog) {
        return WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 3000);
    }

    // Unchecks "Clear edit after send text", which is on by default.
    void UncheckClearBuff(HWND dialog) {
        HWND box = ChildWithText(dialog, kClearBuffCaption);
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(Send(box, BM_GETCHECK), BST_CHECKED);
        Send(box, BM_CLICK);
        ASSERT_EQ(Send(box, BM_GETCHECK), BST_UNCHECKED);
    }
};

TEST_F(SettingsDialog, CancelStoresNothing) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr) << "no dialog captioned Configure...";
    ASSERT_NO_FATAL_FAILURE(UncheckClearBuff(dialog));
    HWND cancel = ChildWithText(dialog, L"&Cancel");
    ASSERT_NE(cancel, nullptr);
    Send(cancel, BM_CLICK);
    ASSERT_TRUE(WaitForDialogGone(dialog));
    EXPECT_TRUE(keyboard.Process().Running());
    ASSERT_NO_FATAL_FAILURE(CloseKeyboard());
    EXPECT_EQ(ConfigText().find("ClearBuff"), std::string::npos) << ConfigText();
}

TEST_F(SettingsDialog, OkStoresAChangedCheckBox) {
    ASSERT_NO_FATAL_FAILURE(StartWithTarget());
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr) << "no dialog captioned Configure...";
    ASSERT_NO_FATAL_FAILURE(UncheckClearBuff(dialog));
    POINT ok = kOkCentre;
    ClientToScreen(dialog, &ok);
    ClickAt(ok);
    ASSERT_TRUE(WaitForDialogGone(dialog)) << "OK did not close the dialog";
    ASSERT_NO_FATAL_FAILURE(CloseKeyboard());
    EXPECT_NE(ConfigText().find("bool ClearBuff = false"), std::string::npos) << ConfigText();
}
