#include "check_box_peer.h"

void TCheckBoxPeer::CreateParams(TCreateParams& params) {
    TWin32WindowPeer::CreateParams(params);
    params.ClassName = L"BUTTON";
    params.Style |= BS_AUTOCHECKBOX;
    if (CheckBox().GetTabStop()) params.Style |= WS_TABSTOP;
}

void TCheckBoxPeer::Notified(WORD code) {
    if (code == BN_CLICKED) CheckBox().CheckedInWindow(SendMessageW(Wnd(), BM_GETCHECK, 0, 0) == BST_CHECKED);
}

void TCheckBoxPeer::Refresh() {
    ApplyFont();
    SendMessageW(Wnd(), BM_SETCHECK, CheckBox().GetChecked() ? BST_CHECKED : BST_UNCHECKED, 0);
}
