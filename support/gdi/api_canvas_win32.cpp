#include "api_canvas_win32.h"

#include "color_value.h"

void HAPICanvas::SetHDC(HDC dc, int width, int height) {
    dc_ = dc;
    width_ = dc ? width : 0;
    height_ = dc ? height : 0;
}

void HAPICanvas::FillRect(const TRect& area, TColor color) {
    if (!dc_) return;
    const HBRUSH brush = CreateSolidBrush(ColorValue(color));
    if (!brush) return;
    const RECT rect{area.Left, area.Top, area.Right, area.Bottom};
    ::FillRect(dc_, &rect, brush);
    DeleteObject(brush);
}
