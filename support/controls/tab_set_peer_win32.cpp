#include "tab_set_peer_win32.h"

#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"

namespace {
// How far the sides of a tab lean inwards towards its bottom.
constexpr int kSlant = 6;
}  // namespace

int TTabSetPeer::TextWidth(const std::string& text) const {
    const TScreenDc screen;
    const TFontHandle font(*Control().GetFont());
    const TDcSelection selection(screen.Get(), font.Get());
    const std::wstring wide = Utf8ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(screen.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

void TTabSetPeer::PaintClient(HDC dc, const RECT& area) {
    const TSolidBrush background(ColorRefOf(Control().GetColor()));
    FillRect(dc, &area, background.Get());
    const TTabSet& tabs = TabSet();
    const TFontHandle font(*tabs.GetFont());
    const TDcSelection selection(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRefOf(tabs.GetFont()->GetColor()));
    // The chosen tab last, so that it lies over its neighbours.
    for (int i = 0; i < tabs.GetTabs()->Count(); ++i)
        if (i != tabs.GetTabIndex()) PaintTab(dc, i);
    RECT client;
    GetClientRect(Wnd(), &client);
    const TSolidBrush edge(GetSysColor(COLOR_3DDKSHADOW));
    const RECT top{client.left, 0, client.right, 1};
    FillRect(dc, &top, edge.Get());
    if (tabs.GetTabIndex() >= 0) PaintTab(dc, tabs.GetTabIndex());
}

void TTabSetPeer::PaintTab(HDC dc, int index) {
    const TTabSet& tabs = TabSet();
    const TRect r = tabs.TabRect(index);
    const bool chosen = index == tabs.GetTabIndex();
    const POINT outline[] = {{r.Left, r.Top}, {r.Left + kSlant, r.Bottom - 2}, {r.Right - kSlant, r.Bottom - 2},
                             {r.Right, r.Top}};
    const TSolidBrush face(ColorRefOf(chosen ? tabs.GetSelectedColor() : tabs.GetUnselectedColor()));
    const TDcSelection brush(dc, face.Get());
    const TDcSelection pen(dc, GetStockObject(BLACK_PEN));
    Polygon(dc, outline, 4);
    if (chosen) {
        const RECT joint{r.Left + 1, 0, r.Right, 1};  // no edge between the chosen tab and the window above
        FillRect(dc, &joint, face.Get());
    }
    RECT text{r.Left, r.Top + 1, r.Right, r.Bottom - 2};
    const std::wstring caption = Utf8ToWide((*tabs.GetTabs())[index]);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
