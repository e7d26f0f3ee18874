#include "page_control_peer.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/win32/wide_text.h"

TPageControlPeer::TPageControlPeer(TWinControl& control)
    : TWin32WindowPeer(control), hook_(*this, [this](UINT message, LPARAM lParam, LRESULT& result) {
          return ParentNotified(message, lParam, result);
      }) {}

void TPageControlPeer::CreateParams(TCreateParams& params) {
    TWin32WindowPeer::CreateParams(params);
    params.ClassName = WC_TABCONTROLW;
    params.Style |= WS_CLIPCHILDREN;
    if (Control().GetTabStop()) params.Style |= WS_TABSTOP;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TPageControlPeer::Refresh() {
    ApplyFont();
    ShowTabs();
    SendMessageW(Wnd(), TCM_SETCURSEL, static_cast<WPARAM>(PageControl().GetActivePageIndex()), 0);
    PlacePages();
}

// The area left for the pages depends on the tabs and their font. While the window is being
// made the control does not know it yet, so the area is taken from the window here.
void TPageControlPeer::PlacePages() {
    RECT area{0, 0, Control().GetWidth(), Control().GetHeight()};
    SendMessageW(Wnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    PageControl().PlacePages({area.left, area.top, std::max(area.left, area.right), std::max(area.top, area.bottom)});
}

void TPageControlPeer::ShowTabs() {
    SendMessageW(Wnd(), TCM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (TTabSheet* page : PageControl().Pages()) {
        std::wstring caption = Utf8ToWide(page->GetCaption());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(Wnd(), TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
}

bool TPageControlPeer::ParentNotified(UINT message, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != static_cast<UINT>(TCN_SELCHANGE))
        return false;
    PageControl().SelectedInWindow(static_cast<int>(SendMessageW(Wnd(), TCM_GETCURSEL, 0, 0)));
    result = 0;
    return true;
}
