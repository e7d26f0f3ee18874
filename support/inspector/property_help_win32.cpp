// How the description pane looks: the property's name in bold, its description below,
// wrapped to the pane's width.
#include "property_help_win32.h"

#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"

void PaintPropertyHelp(TControl& control, HDC dc) {
    const auto& help = static_cast<const TPropertyHelp&>(control);
    RECT area{0, 0, help.GetWidth(), help.GetHeight()};
    const TSolidBrush background(ColorRefOf(help.GetColor()));
    FillRect(dc, &area, background.Get());
    DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&area, -4, -3);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRefOf(help.GetFont()->GetColor()));

    TFont bold;
    bold.Assign(help.GetFont());
    bold.SetStyle(bold.GetStyle() + TFontStyles{fsBold});
    const std::wstring title = Utf8ToWide(help.Title());
    {
        const TFontHandle font(bold);
        const TDcSelection selected(dc, font.Get());
        RECT measured = area;
        DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &measured, DT_NOPREFIX | DT_SINGLELINE | DT_CALCRECT);
        DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &area, DT_NOPREFIX | DT_SINGLELINE | DT_END_ELLIPSIS);
        area.top = measured.bottom + 2;
    }
    const std::wstring text = Utf8ToWide(help.Description());
    const TFontHandle font(*help.GetFont());
    const TDcSelection selected(dc, font.Get());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_NOPREFIX | DT_WORDBREAK | DT_END_ELLIPSIS);
}
