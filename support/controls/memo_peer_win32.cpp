#include "memo_peer_win32.h"

#include "support/win32/input_events.h"

namespace {
DWORD ScrollBarStyle(TScrollStyle bars) {
    switch (bars) {
        case ssHorizontal: return WS_HSCROLL;
        case ssVertical: return WS_VSCROLL;
        case ssBoth: return WS_HSCROLL | WS_VSCROLL;
        default: return 0;
    }
}
}  // namespace

void TMemoPeer::CreateParams(TCreateParams& params) {
    TEditPeer::CreateParams(params);
    const TMemo& memo = Memo();
    params.Style &= ~(ES_AUTOHSCROLL | ES_PASSWORD);
    params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | ScrollBarStyle(memo.GetScrollBars());
    // Without word wrap a line runs on to the right; a horizontal scroll bar implies that.
    if (!memo.GetWordWrap() || memo.GetScrollBars() == ssHorizontal || memo.GetScrollBars() == ssBoth)
        params.Style |= ES_AUTOHSCROLL;
    if (memo.GetWantReturns()) params.Style |= ES_WANTRETURN;
}

LRESULT TMemoPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DialogCode(reinterpret_cast<const MSG*>(lParam));
    if (message == WM_KEYDOWN) {
        auto key = static_cast<uint16_t>(wParam);
        Memo().KeyDown(key, CurrentShiftState());
        if (key == 0) return 0;
        wParam = key;
    }
    if (message == WM_CHAR && (wParam == '\t' ? !Memo().GetWantTabs() : (wParam == '\r' || wParam == '\n') && !Memo().GetWantReturns()))
        return 0;
    return TEditPeer::WndProc(message, wParam, lParam);
}

LRESULT TMemoPeer::DialogCode(const MSG* message) const {
    LRESULT code = DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
    if (Memo().GetWantTabs()) code |= DLGC_WANTTAB;
    const bool plainEnter = message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN &&
                            (CurrentShiftState() & ssCtrl) == 0;
    if (plainEnter && Memo().GetWantReturns()) code |= DLGC_WANTMESSAGE;
    return code;
}
