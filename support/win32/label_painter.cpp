#include "label_painter.h"

#include "gdi_color.h"
#include "gdi_objects.h"
#include "paint_pass.h"
#include "wide_text.h"

namespace {
UINT AlignmentFormat(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify: return DT_RIGHT;
        case taCenter: return DT_CENTER;
        default: return DT_LEFT;
    }
}

// The caption is shown as written: an ampersand on a key is a character, not a shortcut mark.
UINT TextFormat(const TLabel& label) {
    return DT_NOPREFIX | DT_EXPANDTABS | AlignmentFormat(label.GetAlignment()) | (label.GetWordWrap() ? DT_WORDBREAK : 0);
}

// Moves the text rectangle down for centred or bottom layout, as far as the text's height allows.
void ApplyLayout(const TLabel& label, HDC dc, const std::wstring& text, UINT format, RECT& area) {
    if (label.GetLayout() == tlTop) return;
    RECT measured = area;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    const int spare = label.GetHeight() - measured.bottom;
    OffsetRect(&area, 0, label.GetLayout() == tlBottom ? spare : spare / 2);
}

void DrawCaption(HDC dc, const std::wstring& text, RECT area, UINT format, COLORREF color) {
    SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

// Disabled text is engraved: a highlight copy one pixel down and right under a shadow copy.
void DrawDisabledCaption(HDC dc, const std::wstring& text, RECT area, UINT format) {
    RECT shifted = area;
    OffsetRect(&shifted, 1, 1);
    DrawCaption(dc, text, shifted, format, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawCaption(dc, text, area, format, GetSysColor(COLOR_BTNSHADOW));
}
}  // namespace

void PaintLabel(TControl& control, HDC dc) {
    const auto& label = static_cast<const TLabel&>(control);
    RECT area{0, 0, label.GetWidth(), label.GetHeight()};
    if (!label.GetTransparent()) {
        const TSolidBrush background(ColorRefOf(label.GetColor()));
        FillRect(dc, &area, background.Get());
    }
    if (label.GetCaption().empty()) return;

    const std::wstring text = Utf8ToWide(label.GetCaption());
    const TPainterFont font(dc, *label.GetFont());
    SetBkMode(dc, TRANSPARENT);
    const UINT format = TextFormat(label);
    ApplyLayout(label, dc, text, format, area);
    if (label.GetEnabled())
        DrawCaption(dc, text, area, format, ColorRefOf(label.GetFont()->GetColor()));
    else
        DrawDisabledCaption(dc, text, area, format);
}
