// Owner-drawn menu items: their size and their look.
#pragma once
#include <windows.h>

#include "support/menus/menu.h"

// Draws the owner-drawn items of one menu in a look of its own.
class TMenuItemPainter {
public:
    virtual ~TMenuItemPainter() = default;
    virtual void Measure(const TMenu& menu, const TMenuItem& item, MEASUREITEMSTRUCT& measure) = 0;
    virtual void Draw(const TMenu& menu, const TMenuItem& item, const DRAWITEMSTRUCT& draw) = 0;
};
// The painter of menu's items, kept by the caller until it is replaced; null restores the standard look.
void SetMenuItemPainter(const TMenu& menu, TMenuItemPainter* painter);
TMenuItemPainter* MenuItemPainter(const TMenu& menu);

// The font of menus, as the system is set up.
HFONT MenuFont();
void MeasureOwnerDrawnItem(const TMenu& menu, const TMenuItem& item, MEASUREITEMSTRUCT& measure);
void DrawOwnerDrawnItem(const TMenu& menu, const TMenuItem& item, const DRAWITEMSTRUCT& draw);
// Draws a bitmap's pixels at x, y, blending its transparent pixels with what is there.
void DrawBitmapImage(HDC dc, const TBitmapImage& image, int x, int y, bool dimmed);
