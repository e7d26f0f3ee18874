// Owner-drawn menu items: their size and their look.
#pragma once
#include <windows.h>

#include "support/menus/menu.h"

// The font of menus, as the system is set up.
HFONT MenuFont();
void MeasureOwnerDrawnItem(const TMenu& menu, const TMenuItem& item, MEASUREITEMSTRUCT& measure);
void DrawOwnerDrawnItem(const TMenu& menu, const TMenuItem& item, const DRAWITEMSTRUCT& draw);
// Draws a bitmap's pixels at x, y, blending its transparent pixels with what is there.
void DrawBitmapImage(HDC dc, const TBitmapImage& image, int x, int y, bool dimmed);
