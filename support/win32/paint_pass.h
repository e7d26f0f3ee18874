// One pass over a container's windowless children into one device context. Fonts made in the
// pass are kept and stay selected from one child to the next: a keyboard's hundred keys in one
// font select it once, where each selection costs the window system a font lookup.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "gdi_objects.h"
#include "support/framework/control.h"

class TPaintPass {
public:
    explicit TPaintPass(HDC dc);
    // Gives the device context back its origin, clipping, font and text settings.
    ~TPaintPass();
    TPaintPass(const TPaintPass&) = delete;
    TPaintPass& operator=(const TPaintPass&) = delete;

    // Puts the origin at the child's top-left corner and clips to the child, within the clipping
    // the pass found.
    void EnterChild(const TControl& child);
    // Selects the font made from font, unless it is selected already.
    void SelectFont(const TFont& font);
    // The innermost pass painting into dc on this thread, or null.
    static TPaintPass* Of(HDC dc);

private:
    HDC dc_;
    TPaintPass* outer_;
    POINT origin_{};
    HRGN clip_ = nullptr;  // null when the pass found no clipping
    HGDIOBJ foundFont_;
    int foundBkMode_;
    COLORREF foundTextColor_;
    std::vector<std::unique_ptr<TFontHandle>> fonts_;
    HFONT selected_ = nullptr;
};

// The font a painter draws with: the pass's when the control is painted in one, else a font
// of its own, selected for the lifetime of this object.
class TPainterFont {
public:
    TPainterFont(HDC dc, const TFont& font);
    TPainterFont(const TPainterFont&) = delete;
    TPainterFont& operator=(const TPainterFont&) = delete;

private:
    std::optional<TFontHandle> own_;
    std::optional<TDcSelection> selection_;
};
