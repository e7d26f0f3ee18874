#include "up_down_peer.h"

#include <commctrl.h>

void TUpDownPeer::CreateParams(TCreateParams& params) {
    TWin32WindowPeer::CreateParams(params);
    params.ClassName = UPDOWN_CLASSW;
    params.Style |= UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
}

void TUpDownPeer::Refresh() {
    const TUpDown& upDown = UpDown();
    const int position = upDown.GetPosition();
    AttachBuddy();
    SendMessageW(Wnd(), UDM_SETRANGE, 0, MAKELPARAM(upDown.GetMax(), upDown.GetMin()));
    UDACCEL step{0, static_cast<UINT>(upDown.GetIncrement())};
    SendMessageW(Wnd(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
    SendMessageW(Wnd(), UDM_SETPOS, 0, MAKELPARAM(position, 0));
}

void TUpDownPeer::AttachBuddy() {
    TWinControl* associate = UpDown().GetAssociate();
    const HWND buddy = associate && associate->Parent() ? static_cast<HWND>(associate->Handle()) : nullptr;
    if (buddy == buddy_) return;
    buddy_ = buddy;
    SendMessageW(Wnd(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}
