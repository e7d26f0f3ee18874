// Drawing a picture over a rectangle in one of the background layouts.
#pragma once
#include <windows.h>

#include "bitmap.h"
#include "blt_types.h"

// Draws bitmap into area of dc as mode lays it out; fills area with color instead when
// there is no picture. Parts of area the picture leaves uncovered stay as they are.
void GDI_Blt(HDC dc, const HBitmap* bitmap, const TRect& area, HBT_Types mode, TColor color);
