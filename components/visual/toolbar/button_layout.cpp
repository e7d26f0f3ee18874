#include "button_layout.h"

namespace {
struct TAxis {
    int Glyph;
    int Text;
};

// Positions along the axis, from the start of an extent; the glyph comes first.
TAxis PlaceAlong(int extent, int glyph, int text, int margin, int spacing) {
    if (glyph == 0 || text == 0) spacing = 0;
    if (margin == -1) {
        if (spacing == -1) {
            margin = spacing = (extent - glyph - text) / 3;
        } else {
            margin = (extent - glyph - spacing - text) / 2;
        }
    } else if (spacing == -1) {
        spacing = (extent - margin - glyph - text) / 2;
    }
    return {margin, margin + glyph + spacing};
}

int Centre(int extent, int size) { return (extent - size) / 2; }

TRect At(const TRect& client, int x, int y, TPartSize size) {
    return {client.Left + x, client.Top + y, client.Left + x + size.Width, client.Top + y + size.Height};
}
}  // namespace

TButtonParts LayoutButtonParts(const TRect& client, TPartSize glyph, TPartSize text, TButtonLayout layout, int margin,
                               int spacing) {
    if (glyph.Empty()) glyph = {};
    if (text.Empty()) text = {};
    const int width = client.Right - client.Left;
    const int height = client.Bottom - client.Top;
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    const int extent = horizontal ? width : height;
    const int glyphLength = horizontal ? glyph.Width : glyph.Height;
    const int textLength = horizontal ? text.Width : text.Height;
    TAxis along = PlaceAlong(extent, glyphLength, textLength, margin, spacing);
    if (layout == blGlyphRight || layout == blGlyphBottom) {
        // Mirror: the glyph takes the far end and the text comes before it.
        along = {extent - along.Glyph - glyphLength, extent - along.Text - textLength};
    }
    if (horizontal)
        return {At(client, along.Glyph, Centre(height, glyph.Height), glyph),
                At(client, along.Text, Centre(height, text.Height), text)};
    return {At(client, Centre(width, glyph.Width), along.Glyph, glyph), At(client, Centre(width, text.Width), along.Text, text)};
}
