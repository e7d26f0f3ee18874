#include <string>

#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/paint_pass.h"
#include "support/win32/wide_text.h"
#include "toolbar_button_win32.h"

namespace {
constexpr int kBorderWidth = 2;

void DrawBorder(const TCustomToolbarButton97& button, HDC dc, RECT area) {
    if (!button.ShowsBorder()) return;
    const bool down = button.ShownDown();
    const UINT edge = button.GetFlat() ? (down ? BDR_SUNKENOUTER : BDR_RAISEDINNER) : (down ? EDGE_SUNKEN : EDGE_RAISED);
    DrawEdge(dc, &area, edge, BF_RECT);
}

UINT TextFormat(const TCustomToolbarButton97& button) {
    // An ampersand on a key is a character, not a shortcut mark.
    return DT_NOPREFIX | (button.GetWordWrap() ? DT_WORDBREAK | DT_CENTER : DT_SINGLELINE);
}

TPartSize MeasureText(const TCustomToolbarButton97& button, HDC dc, const std::wstring& text, int width) {
    if (!button.ShowsCaption()) return {};
    RECT measured{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, TextFormat(button) | DT_CALCRECT);
    return {measured.right - measured.left, measured.bottom - measured.top};
}

TPartSize GlyphSize(const TCustomToolbarButton97& button) {
    if (!button.ShowsGlyph()) return {};
    return {button.GetGlyph()->Width() / button.GetNumGlyphs(), button.GetGlyph()->Height()};
}

// Pixels the mask marks white, or without a mask those of the bottom-left pixel's colour, are left out.
bool IsLeftOut(const TCustomToolbarButton97& button, int x, int y) {
    const HBitmap& mask = *button.GetGlyphMask();
    if (!mask.Empty()) return x < mask.Width() && y < mask.Height() && mask.Pixel(x, y) == 0xFFFFFF;
    const HBitmap& glyph = *button.GetGlyph();
    return glyph.Pixel(x, y) == glyph.Pixel(0, glyph.Height() - 1);
}

void DrawGlyph(const TCustomToolbarButton97& button, HDC dc, const TRect& place) {
    const HBitmap& glyph = *button.GetGlyph();
    const int width = place.Right - place.Left;
    const int sourceLeft = static_cast<int>(button.GlyphState()) * width;
    for (int y = 0; y < place.Bottom - place.Top; ++y)
        for (int x = 0; x < width; ++x)
            if (!IsLeftOut(button, sourceLeft + x, y))
                SetPixelV(dc, place.Left + x, place.Top + y, static_cast<COLORREF>(glyph.Pixel(sourceLeft + x, y)));
}

void DrawCaption(const TCustomToolbarButton97& button, HDC dc, const std::wstring& text, const TRect& place) {
    RECT area{place.Left, place.Top, place.Right, place.Bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, button.GetEnabled() ? ColorRefOf(button.GetFont()->GetColor()) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, TextFormat(button));
}
}  // namespace

void PaintToolbarButton(TControl& control, HDC dc) {
    const auto& button = static_cast<const TCustomToolbarButton97&>(control);
    const RECT bounds{0, 0, button.GetWidth(), button.GetHeight()};
    if (button.GetOpaque() || button.ShownDown()) {
        const TSolidBrush face(ColorRefOf(button.FaceColor()));
        FillRect(dc, &bounds, face.Get());
    }
    DrawBorder(button, dc, bounds);

    // Pressed content moves one pixel down and right, as if pushed in.
    const int shift = button.ShownDown() ? 1 : 0;
    const TRect content{kBorderWidth + shift, kBorderWidth + shift, button.GetWidth() - kBorderWidth + shift,
                        button.GetHeight() - kBorderWidth + shift};
    const std::wstring text = Utf8ToWide(button.GetCaption());
    const TPainterFont font(dc, *button.GetFont());
    const TPartSize textSize = MeasureText(button, dc, text, content.Right - content.Left);
    const TButtonParts parts = LayoutButtonParts(content, GlyphSize(button), textSize, button.GetLayout(),
                                                 button.GetMargin(), button.GetSpacing());
    if (button.ShowsGlyph()) DrawGlyph(button, dc, parts.Glyph);
    if (!textSize.Empty()) DrawCaption(button, dc, text, parts.Text);
}
