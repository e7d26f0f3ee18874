#include "inspector_peers_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "support/win32/gdi_color.h"
#include "support/win32/input_events.h"
#include "support/win32/wide_text.h"

namespace {
bool IsKeyDown(UINT message) { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }

// Hands a key to handler; true when the handler used it.
template <class Handler>
bool OfferKey(WPARAM wParam, Handler&& handler) {
    auto key = static_cast<uint16_t>(wParam);
    handler(key, CurrentShiftState());
    return key == 0;
}
}  // namespace

void TInspectorGridPeer::CreateParams(TCreateParams& params) {
    TContainerPeer::CreateParams(params);
    params.Style |= WS_VSCROLL | WS_TABSTOP;
    Grid().SetScrollBarWidth(GetSystemMetrics(SM_CXVSCROLL));
}

LRESULT TInspectorGridPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
    if (IsKeyDown(message) && OfferKey(wParam, [this](uint16_t& key, TShiftState shift) { Grid().KeyDown(key, shift); }))
        return 0;
    if (message == WM_VSCROLL) {
        Scroll(LOWORD(wParam));
        return 0;
    }
    return TContainerPeer::WndProc(message, wParam, lParam);
}

void TInspectorGridPeer::Scroll(WORD request) {
    TInspectorGrid& grid = Grid();
    SCROLLINFO info{sizeof info, SIF_TRACKPOS};
    GetScrollInfo(Wnd(), SB_VERT, &info);
    int top = grid.TopRow();
    switch (request) {
        case SB_LINEUP: --top; break;
        case SB_LINEDOWN: ++top; break;
        case SB_PAGEUP: top -= grid.PageRows(); break;
        case SB_PAGEDOWN: top += grid.PageRows(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: top = info.nTrackPos; break;
        case SB_TOP: top = 0; break;
        case SB_BOTTOM: top = static_cast<int>(grid.Rows().Visible().size()); break;
        default: return;
    }
    grid.ScrollTo(top);
}

void TInspectorGridPeer::Refresh() {
    TInspectorGrid& grid = Grid();
    SCROLLINFO info{sizeof info, SIF_ALL | SIF_DISABLENOSCROLL};
    info.nMin = 0;
    info.nMax = std::max(0, static_cast<int>(grid.Rows().Visible().size()) - 1);
    info.nPage = static_cast<UINT>(grid.PageRows());
    info.nPos = grid.TopRow();
    SetScrollInfo(Wnd(), SB_VERT, &info, TRUE);
    ApplyFont();
}

void TInspectorGridPeer::PaintClient(HDC dc, const RECT& area) { PaintInspectorRows(Grid(), dc, area); }

LRESULT TInspectorEditPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_HASSETSEL;
    if (IsKeyDown(message) && Edit().OnKey && OfferKey(wParam, Edit().OnKey)) return 0;
    // Enter and Esc were keys of the inspector: no beep, no character.
    if (message == WM_CHAR && (wParam == '\r' || wParam == '\n' || wParam == 0x1B)) return 0;
    return TEditPeer::WndProc(message, wParam, lParam);
}

void TInspectorEditPeer::Refresh() {
    TEditPeer::Refresh();
    // The hint of an empty field says what it is for.
    SendMessageW(Wnd(), EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(Utf8ToWide(Edit().GetHint()).c_str()));
}

void TInspectorListPeer::CreateParams(TCreateParams& params) {
    TContainerPeer::CreateParams(params);
    params.Style |= WS_BORDER;
}

void TInspectorListPeer::PaintClient(HDC dc, const RECT& area) {
    const TInspectorList& list = List();
    const TSolidBrush background(GetSysColor(COLOR_WINDOW));
    FillRect(dc, &area, background.Get());
    const TFontHandle font(*list.Parent()->GetFont());
    const TDcSelection selected(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    RECT client;
    GetClientRect(Wnd(), &client);
    const int shown = list.ShownItems();
    for (int i = 0; i < shown && list.TopItem() + i < static_cast<int>(list.Items().size()); ++i) {
        const int index = list.TopItem() + i;
        RECT item{0, i * list.ItemHeight(), client.right, (i + 1) * list.ItemHeight()};
        const bool highlighted = index == list.ItemIndex();
        if (highlighted) FillRect(dc, &item, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        item.left += 2;
        const std::wstring text = Utf8ToWide(list.Items()[static_cast<size_t>(index)]);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &item, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}
