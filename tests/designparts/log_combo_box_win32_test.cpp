// The component list's window: it shows the entries, follows changes, and a choice made in
// it reaches OnChange with the entry's object.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/visual/logcombo/h_log_combo_box_peer_win32.h"
#include "support/framework/std_controls.h"
#include "support/win32/form.h"
#include "support/win32/wide_text.h"

namespace {
class LogComboWindow : public ::testing::Test {
protected:
    LogComboWindow() {
        InstallLogComboBoxWindowing();
        form.SetBounds(10, 10, 300, 200);
        box->SetParent(&form);
        box->SetBounds(5, 5, 200, 21);
        box->AddItem("TLabel : Label1", label);
        box->AddItem("TEdit : Edit1", edit);
        form.HandleNeeded();
    }
    HWND Wnd() { return static_cast<HWND>(box->Handle()); }
    std::wstring EntryText(int index) {
        wchar_t text[128] = {};
        SendMessageW(Wnd(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }

    TForm form{nullptr};
    HLogComboBox* box = new HLogComboBox(&form);
    TLabel* label = new TLabel(&form);
    TEdit* edit = new TEdit(&form);
};

TEST_F(LogComboWindow, TheListShowsTheEntriesAndFollowsTheirChanges) {
    ASSERT_EQ(SendMessageW(Wnd(), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(EntryText(1), L"TEdit : Edit1");
    box->SetItemIndex(1);
    EXPECT_EQ(SendMessageW(Wnd(), CB_GETCURSEL, 0, 0), 1);
    box->AddItem("TMainForm : DesignPlace", &form);
    EXPECT_EQ(SendMessageW(Wnd(), CB_GETCOUNT, 0, 0), 3);
    box->Clear();
    EXPECT_EQ(SendMessageW(Wnd(), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(Wnd(), CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(LogComboWindow, AChoiceInTheWindowReachesOnChangeWithTheEntrysObject) {
    TObject* chosen = nullptr;
    box->OnChange = [&chosen](TObject* sender) { chosen = static_cast<HLogComboBox*>(sender)->SelectedObject(); };
    SendMessageW(Wnd(), CB_SETCURSEL, 1, 0);
    SendMessageW(static_cast<HWND>(form.Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Wnd()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Wnd()));
    EXPECT_EQ(chosen, edit);
    EXPECT_EQ(box->GetItemIndex(), 1);
}

TEST_F(LogComboWindow, TheOpenListIsAsTallAsTheDropDownCountAsks) {
    RECT dropped{};
    SendMessageW(Wnd(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const LONG eightRows = dropped.bottom - dropped.top;
    box->SetDropDownCount(20);
    SendMessageW(Wnd(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_GT(dropped.bottom - dropped.top, eightRows + 10 * 12);
    // The control keeps the height of the closed box.
    EXPECT_LT(box->GetHeight(), 30);
}
}  // namespace
