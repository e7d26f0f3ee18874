#include "font_combo_box97_peer.h"

#include <algorithm>

#include "font_names.h"
#include "support/win32/wide_text.h"

namespace {
constexpr int kDroppedListHeight = 200;
}

void TFontComboBox97Peer::BoundsChanged() {
    if (!Wnd()) return;
    const TControl& control = Control();
    SetWindowPos(Wnd(), nullptr, control.GetLeft(), control.GetTop(), std::max(0, control.GetWidth()),
                 std::max(0, control.GetHeight()) + kDroppedListHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFontComboBox97Peer::CreateParams(TCreateParams& params) {
    TWin32WindowPeer::CreateParams(params);
    params.ClassName = L"COMBOBOX";
    params.Style |= CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL;
    if (Control().GetTabStop()) params.Style |= WS_TABSTOP;
    params.Height += kDroppedListHeight;
}

void TFontComboBox97Peer::Notified(WORD code) {
    if (code == CBN_EDITCHANGE) ComboBox().TextEditedInWindow(WindowText());
    // The edit field still shows the previous text while the selection changes.
    if (code == CBN_SELCHANGE) ComboBox().TextEditedInWindow(SelectedText());
}

void TFontComboBox97Peer::Refresh() {
    ApplyFont();
    if (SendMessageW(Wnd(), CB_GETCOUNT, 0, 0) == 0) FillFontNames();
}

void TFontComboBox97Peer::FillFontNames() {
    for (const std::string& name : InstalledFontNames())
        SendMessageW(Wnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(name).c_str()));
    SetWindowTextW(Wnd(), Utf8ToWide(Control().GetText()).c_str());
}

std::string TFontComboBox97Peer::SelectedText() const {
    const LRESULT index = SendMessageW(Wnd(), CB_GETCURSEL, 0, 0);
    if (index < 0) return WindowText();
    std::wstring text(static_cast<size_t>(SendMessageW(Wnd(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0)) + 1, L'\0');
    const LRESULT length = SendMessageW(Wnd(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::max<LRESULT>(0, length)));
    return WideToUtf8(text);
}

std::string TFontComboBox97Peer::WindowText() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Wnd())) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Wnd(), text.data(), static_cast<int>(text.size()))));
    return WideToUtf8(text);
}
