#include "radio_group_peer.h"

#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"

void TRadioGroupPeer::PaintClient(HDC dc, const RECT& area) {
    TContainerPeer::PaintClient(dc, area);
    RECT client;
    GetClientRect(Wnd(), &client);
    RECT frame = client;
    frame.top += 7;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = Utf8ToWide(Control().GetCaption());
    if (caption.empty()) return;
    const TFontHandle font(*Control().GetFont());
    const TSavedDcState saved(dc);
    SelectObject(dc, font.Get());
    SetBkColor(dc, ColorRefOf(Control().GetColor()));
    SetBkMode(dc, OPAQUE);
    RECT text{8, 0, client.right - 8, 16};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

void TRadioButtonPeer::CreateParams(TCreateParams& params) {
    TWin32WindowPeer::CreateParams(params);
    params.ClassName = L"BUTTON";
    params.Style |= BS_RADIOBUTTON | (Button().Index() == 0 ? WS_GROUP | WS_TABSTOP : 0);
}

void TRadioButtonPeer::Notified(WORD code) {
    if (code == BN_CLICKED) Button().ChosenInWindow();
}

void TRadioButtonPeer::Refresh() {
    ApplyFont();
    SendMessageW(Wnd(), BM_SETCHECK, Button().GetChecked() ? BST_CHECKED : BST_UNCHECKED, 0);
}
