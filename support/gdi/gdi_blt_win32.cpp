#include "gdi_blt_win32.h"

#include "color_value.h"
#include "dib_win32.h"

namespace {
void FillArea(HDC dc, const TRect& area, TColor color) {
    const HBRUSH brush = CreateSolidBrush(ColorValue(color));
    if (!brush) return;
    const RECT rect{area.Left, area.Top, area.Right, area.Bottom};
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// Tiles through a pattern brush whose origin sits on a tile corner; the brush origin is in device units.
void Tile(HDC dc, const TDibSection& picture, const TRect& area, TPoint tileOrigin) {
    const HBRUSH brush = CreatePatternBrush(picture.Handle());
    if (!brush) return;
    POINT viewport{};
    GetViewportOrgEx(dc, &viewport);
    SetBrushOrgEx(dc, viewport.x + tileOrigin.X, viewport.y + tileOrigin.Y, nullptr);
    const RECT rect{area.Left, area.Top, area.Right, area.Bottom};
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void Place(HDC dc, const TDibSection& picture, const TRect& to) {
    const int width = to.Right - to.Left, height = to.Bottom - to.Top;
    if (width <= 0 || height <= 0) return;
    if (width == picture.Width() && height == picture.Height()) {
        BitBlt(dc, to.Left, to.Top, width, height, picture.Dc(), 0, 0, SRCCOPY);
        return;
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, to.Left, to.Top, width, height, picture.Dc(), 0, 0, picture.Width(), picture.Height(), SRCCOPY);
}
}  // namespace

void GDI_Blt(HDC dc, const HBitmap* bitmap, const TRect& area, HBT_Types mode, TColor color) {
    const HBltPlacement placement =
        bitmap ? BltPlacement(area, bitmap->Width(), bitmap->Height(), mode) : BltPlacement(area, 0, 0, mode);
    if (placement.Fill) return FillArea(dc, area, color);
    const TDibSection picture(*bitmap);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
    if (placement.Tiled)
        Tile(dc, picture, area, placement.TileOrigin);
    else
        Place(dc, picture, placement.Picture);
    RestoreDC(dc, saved);
}
