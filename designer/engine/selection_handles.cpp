#include "selection_handles.h"

#include <algorithm>

namespace {
bool DragsLeft(TSelectionHandle h) { return h == shTopLeft || h == shLeft || h == shBottomLeft; }
bool DragsRight(TSelectionHandle h) { return h == shTopRight || h == shRight || h == shBottomRight; }
bool DragsTop(TSelectionHandle h) { return h == shTopLeft || h == shTop || h == shTopRight; }
bool DragsBottom(TSelectionHandle h) { return h == shBottomLeft || h == shBottom || h == shBottomRight; }
}  // namespace

std::array<TRect, 8> HandleRects(const TRect& b, int size) {
    const int half = size / 2;
    const int xs[3] = {b.Left, (b.Left + b.Right) / 2, b.Right - 1};
    const int ys[3] = {b.Top, (b.Top + b.Bottom) / 2, b.Bottom - 1};
    // Column and row of each handle, in handle order.
    static constexpr int kCol[8] = {0, 1, 2, 2, 2, 1, 0, 0};
    static constexpr int kRow[8] = {0, 0, 0, 1, 2, 2, 2, 1};
    std::array<TRect, 8> rects;
    for (int i = 0; i < 8; ++i) {
        const int x = xs[kCol[i]] - half, y = ys[kRow[i]] - half;
        rects[static_cast<size_t>(i)] = {x, y, x + size, y + size};
    }
    return rects;
}

TSelectionHandle HandleAt(const TRect& bounds, TPoint point, int size) {
    const std::array<TRect, 8> rects = HandleRects(bounds, size);
    for (int i : {0, 2, 4, 6, 1, 3, 5, 7})
        if (rects[static_cast<size_t>(i)].Contains(point)) return static_cast<TSelectionHandle>(i);
    return shNone;
}

TRect ResizeByHandle(const TRect& bounds, TSelectionHandle handle, TPoint delta) {
    TRect r = bounds;
    if (DragsLeft(handle)) r.Left = std::min(r.Left + delta.X, r.Right - 1);
    if (DragsRight(handle)) r.Right = std::max(r.Right + delta.X, r.Left + 1);
    if (DragsTop(handle)) r.Top = std::min(r.Top + delta.Y, r.Bottom - 1);
    if (DragsBottom(handle)) r.Bottom = std::max(r.Bottom + delta.Y, r.Top + 1);
    return r;
}

TGuideEdges EdgesOf(TSelectionHandle handle) {
    return {DragsLeft(handle), DragsRight(handle), DragsTop(handle), DragsBottom(handle), false};
}
