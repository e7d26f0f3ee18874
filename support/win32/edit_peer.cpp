#include "edit_peer.h"

#include "gdi_color.h"
#include "wide_text.h"

namespace {
DWORD CharCaseStyle(TEditCharCase charCase) {
    switch (charCase) {
        case ecUpperCase: return ES_UPPERCASE;
        case ecLowerCase: return ES_LOWERCASE;
        default: return 0;
    }
}
}  // namespace

void TEditPeer::CreateParams(TCreateParams& params) {
    TWin32WindowPeer::CreateParams(params);
    const TEdit& edit = Edit();
    params.ClassName = L"EDIT";
    params.Style |= ES_AUTOHSCROLL | CharCaseStyle(edit.GetCharCase());
    if (edit.GetBorderStyle() == bsSingle) params.Style |= WS_BORDER;
    if (edit.GetPasswordChar() != 0) params.Style |= ES_PASSWORD;
    if (edit.GetReadOnly()) params.Style |= ES_READONLY;
    if (edit.GetTabStop()) params.Style |= WS_TABSTOP;
}

void TEditPeer::Notified(WORD code) {
    TEdit& edit = Edit();
    switch (code) {
        case EN_CHANGE:
            edit.TextEditedInWindow(WindowText());
            break;
        case EN_SETFOCUS:
            // Tabbing into the field selects its text; a click places the caret where it lands.
            if (edit.GetAutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SendMessageW(Wnd(), EM_SETSEL, 0, -1);
            edit.OnEnter(&edit);
            break;
        case EN_KILLFOCUS:
            edit.OnExit(&edit);
            break;
    }
}

HBRUSH TEditPeer::ControlColor(HDC dc) {
    const COLORREF color = ColorRefOf(Edit().GetColor());
    SetTextColor(dc, ColorRefOf(Edit().GetFont()->GetColor()));
    SetBkColor(dc, color);
    if (!background_ || background_->Color() != color) background_ = std::make_unique<TSolidBrush>(color);
    return background_->Get();
}

void TEditPeer::Refresh() {
    ApplyFont();
    SendMessageW(Wnd(), EM_LIMITTEXT, static_cast<WPARAM>(Edit().GetMaxLength()), 0);
    if (const char passwordChar = Edit().GetPasswordChar())
        SendMessageW(Wnd(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar), 0);
}

std::string TEditPeer::WindowText() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Wnd())) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Wnd(), text.data(), static_cast<int>(text.size()))));
    return WideToUtf8(text);
}
