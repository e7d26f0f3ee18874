// Where a button's glyph and caption go inside it.
#pragma once
#include "support/framework/control.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
PENDREL_ENUM_TYPEINFO(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom");

struct TPartSize {
    int Width = 0, Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
};

struct TButtonParts {
    TRect Glyph;
    TRect Text;
};

// Places glyph and text in client along the layout's axis: margin from the glyph's edge
// (-1: the pair centred) and spacing between them (-1: the text centred in the space the
// glyph leaves). Across the axis both are centred. An empty part takes no room and no spacing.
TButtonParts LayoutButtonParts(const TRect& client, TPartSize glyph, TPartSize text, TButtonLayout layout, int margin,
                               int spacing);
