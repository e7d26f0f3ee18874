#include "bevel_draw_win32.h"

#include "support/win32/control_painter.h"
#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"

namespace {
// A filled rectangle: every line of a bevel is one pixel wide or high.
void Bar(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    const TSolidBrush brush(color);
    const RECT area{left, top, right, bottom};
    FillRect(dc, &area, brush.Get());
}

// A one-pixel frame: light on the top and left edges, dark on the bottom and right.
void Frame(HDC dc, const RECT& r, COLORREF light, COLORREF dark) {
    Bar(dc, r.left, r.top, r.right, r.top + 1, light);
    Bar(dc, r.left, r.top, r.left + 1, r.bottom, light);
    Bar(dc, r.left, r.bottom - 1, r.right, r.bottom, dark);
    Bar(dc, r.right - 1, r.top, r.right, r.bottom, dark);
}

void PanelBevel(HDC dc, RECT& area, TPanelBevel bevel, int width) {
    if (bevel == bvNone) return;
    if (bevel != bvSpace) return DrawBevelEdge(dc, area, bevel == bvRaised, width);
    InflateRect(&area, -width, -width);
}
}  // namespace

void DrawBevelEdge(HDC dc, RECT& area, bool raised, int width) {
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    for (int i = 0; i < width && area.right - area.left > 1 && area.bottom - area.top > 1; ++i) {
        Frame(dc, area, raised ? highlight : shadow, raised ? shadow : highlight);
        InflateRect(&area, -1, -1);
    }
}

void PaintBevel(TControl& control, HDC dc) {
    const auto& bevel = static_cast<const TBevel&>(control);
    const int w = bevel.GetWidth(), h = bevel.GetHeight();
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    const bool raised = bevel.GetStyle() == bsRaised;
    const COLORREF light = raised ? highlight : shadow, dark = raised ? shadow : highlight;
    switch (bevel.GetShape()) {
        case bsBox: Frame(dc, {0, 0, w, h}, light, dark); break;
        case bsFrame:
            // An etched frame: a lowered one is a dark frame with a light one just inside it.
            Frame(dc, {0, 0, w - 1, h - 1}, light, light);
            Frame(dc, {1, 1, w, h}, dark, dark);
            break;
        case bsTopLine: Bar(dc, 0, 0, w, 1, light); Bar(dc, 0, 1, w, 2, dark); break;
        case bsBottomLine: Bar(dc, 0, h - 2, w, h - 1, light); Bar(dc, 0, h - 1, w, h, dark); break;
        case bsLeftLine: Bar(dc, 0, 0, 1, h, light); Bar(dc, 1, 0, 2, h, dark); break;
        case bsRightLine: Bar(dc, w - 2, 0, w - 1, h, light); Bar(dc, w - 1, 0, w, h, dark); break;
        case bsSpacer: break;
    }
}

void TPanelPeer::PaintClient(HDC dc, const RECT& area) {
    const TSolidBrush background(ColorRefOf(Panel().GetColor()));
    FillRect(dc, &area, background.Get());
    RECT inside;
    GetClientRect(Wnd(), &inside);
    PanelBevel(dc, inside, Panel().GetBevelOuter(), Panel().GetBevelWidth());
    PanelBevel(dc, inside, Panel().GetBevelInner(), Panel().GetBevelWidth());
    PaintCaption(dc, inside);
    PaintChildControls(Panel(), dc, area);
    PaintDesignOverlay(Panel(), dc);
}

void TPanelPeer::PaintCaption(HDC dc, const RECT& inside) const {
    if (Panel().GetCaption().empty()) return;
    const std::wstring text = Utf8ToWide(Panel().GetCaption());
    const TFontHandle font(*Panel().GetFont());
    const TDcSelection selected(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRefOf(Panel().GetFont()->GetColor()));
    RECT box = inside;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
