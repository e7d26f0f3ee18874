#include "button_peer.h"

void TButtonPeer::CreateParams(TCreateParams& params) {
    TWin32WindowPeer::CreateParams(params);
    params.ClassName = L"BUTTON";
    params.Style |= ButtonStyle();
    if (Button().GetTabStop()) params.Style |= WS_TABSTOP;
}

void TButtonPeer::Notified(WORD code) {
    if (code == BN_CLICKED) Button().Click();
}

void TButtonPeer::Refresh() {
    ApplyFont();
    const DWORD current = static_cast<DWORD>(GetWindowLongPtrW(Wnd(), GWL_STYLE)) & BS_TYPEMASK;
    if (current != ButtonStyle()) SendMessageW(Wnd(), BM_SETSTYLE, ButtonStyle(), TRUE);
}
