#include "h_log_combo_box_peer_win32.h"

#include <algorithm>

#include "support/win32/wide_text.h"
#include "support/win32/window_system.h"

namespace {
constexpr int kRowHeight = 16;
}

int HLogComboBoxPeer::ListHeight() const { return ComboBox().GetDropDownCount() * kRowHeight + 2; }

void HLogComboBoxPeer::BoundsChanged() {
    if (!Wnd()) return;
    const TControl& control = Control();
    SetWindowPos(Wnd(), nullptr, control.GetLeft(), control.GetTop(), std::max(0, control.GetWidth()),
                 std::max(0, control.GetHeight()) + ListHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void HLogComboBoxPeer::CreateParams(TCreateParams& params) {
    TWin32WindowPeer::CreateParams(params);
    params.ClassName = L"COMBOBOX";
    params.Style |= CBS_DROPDOWNLIST | WS_VSCROLL;
    if (Control().GetTabStop()) params.Style |= WS_TABSTOP;
    params.Height += ListHeight();
}

void HLogComboBoxPeer::Notified(WORD code) {
    if (code == CBN_DROPDOWN) ComboBox().OnDropDown(&ComboBox());
    if (code != CBN_SELCHANGE) return;
    ComboBox().SelectedInWindow(static_cast<int>(SendMessageW(Wnd(), CB_GETCURSEL, 0, 0)));
    shownVersion_ = ComboBox().ListVersion();
}

void HLogComboBoxPeer::Refresh() {
    ApplyFont();
    if (shownVersion_ == ComboBox().ListVersion()) return;
    Fill();
    BoundsChanged();
}

void HLogComboBoxPeer::Fill() {
    const HLogComboBox& box = ComboBox();
    SendMessageW(Wnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Wnd(), CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < box.Count(); ++i)
        SendMessageW(Wnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(box.ItemText(i)).c_str()));
    SendMessageW(Wnd(), CB_SETCURSEL, static_cast<WPARAM>(box.GetItemIndex()), 0);
    SendMessageW(Wnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Wnd(), nullptr, TRUE);
    shownVersion_ = box.ListVersion();
}

void InstallLogComboBoxWindowing() {
    static bool installed = false;
    if (installed) return;
    InstallWin32WindowSystem();
    RegisterWindowPeerMaker(HLogComboBox::StaticClass(), MakeWindowPeer<HLogComboBoxPeer>);
    installed = true;
}
