#include "scrolling_peer.h"

#include <algorithm>

namespace {
void ShowScrollPosition(HWND wnd, int bar, const TControlScrollBar& scrollBar, int clientSize) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    // An empty range hides the bar.
    if (scrollBar.GetVisible() && scrollBar.GetRange() > clientSize) {
        info.nMax = scrollBar.GetRange() - 1;
        info.nPage = static_cast<UINT>(std::max(0, clientSize));
        info.nPos = scrollBar.GetPosition();
    }
    // Setting a bar redraws the window's frame, even to what it shows already; a layout being
    // read would do that twice for every key it adds.
    SCROLLINFO shown{};
    shown.cbSize = sizeof shown;
    shown.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const bool same = GetScrollInfo(wnd, bar, &shown) ? shown.nMin == info.nMin && shown.nMax == info.nMax &&
                                                             shown.nPage == info.nPage && shown.nPos == info.nPos
                                                       : info.nMax == 0;
    if (!same) SetScrollInfo(wnd, bar, &info, TRUE);
}

// The position a scroll bar request asks for; the current one for requests that ask none.
int RequestedPosition(HWND wnd, int bar, const TControlScrollBar& scrollBar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(wnd, bar, &info);
    const int position = scrollBar.GetPosition();
    const int page = static_cast<int>(info.nPage);
    switch (request) {
        case SB_LINEUP: return position - scrollBar.GetIncrement();
        case SB_LINEDOWN: return position + scrollBar.GetIncrement();
        case SB_PAGEUP: return position - page;
        case SB_PAGEDOWN: return position + page;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: return info.nTrackPos;
        case SB_TOP: return 0;
        case SB_BOTTOM: return scrollBar.GetRange();
        default: return position;
    }
}
}  // namespace

void TScrollingPeer::BoundsChanged() {
    TContainerPeer::BoundsChanged();
    UpdateScrollBars();
}

void TScrollingPeer::ChildAdded(TControl& child) {
    TContainerPeer::ChildAdded(child);
    UpdateScrollBars();
}

void TScrollingPeer::CreateParams(TCreateParams& params) {
    TContainerPeer::CreateParams(params);
    if (HasClientEdge()) params.ExStyle |= WS_EX_CLIENTEDGE;
}

LRESULT TScrollingPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // lParam names a scroll bar control; the window's own bars have none.
    if ((message == WM_HSCROLL || message == WM_VSCROLL) && lParam == 0) {
        Scroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
        return 0;
    }
    // The ranges follow the children without telling the window; each paint catches up with them.
    if (message == WM_PAINT) UpdateScrollBars();
    return TContainerPeer::WndProc(message, wParam, lParam);
}

void TScrollingPeer::Refresh() {
    TContainerPeer::Refresh();
    UpdateFrame();
    UpdateScrollBars();
}

bool TScrollingPeer::HasClientEdge() const {
    const auto* box = dynamic_cast<const TScrollBox*>(&Control());
    return box && box->GetBorderStyle() == bsSingle;
}

void TScrollingPeer::UpdateFrame() {
    if (!Wnd()) return;
    const LONG_PTR style = GetWindowLongPtrW(Wnd(), GWL_EXSTYLE);
    if (((style & WS_EX_CLIENTEDGE) != 0) == HasClientEdge()) return;
    SetWindowLongPtrW(Wnd(), GWL_EXSTYLE, style ^ WS_EX_CLIENTEDGE);
    SetWindowPos(Wnd(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TScrollingPeer::UpdateScrollBars() {
    if (!Wnd()) return;
    ShowScrollPosition(Wnd(), SB_HORZ, *Scrolling().GetHorzScrollBar(), Scrolling().ClientWidth());
    ShowScrollPosition(Wnd(), SB_VERT, *Scrolling().GetVertScrollBar(), Scrolling().ClientHeight());
}

void TScrollingPeer::Scroll(int bar, WORD request) {
    TControlScrollBar& scrollBar = bar == SB_HORZ ? *Scrolling().GetHorzScrollBar() : *Scrolling().GetVertScrollBar();
    scrollBar.SetPosition(RequestedPosition(Wnd(), bar, scrollBar, request));
    // The bar shows the position the control took, which may differ from the one asked.
    UpdateScrollBars();
}
