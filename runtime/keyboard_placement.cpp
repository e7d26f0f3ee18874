#include "keyboard_placement.h"

#include <algorithm>

namespace {
constexpr int kEdgeGap = 10;
}

TPoint DefaultKeyboardPosition(const TRect& workArea, int width, int height) {
    const int left = workArea.Left + (workArea.Right - workArea.Left - width) / 2;
    const int top = workArea.Bottom - height;
    return TPoint{std::max(left, workArea.Left), std::max(top, workArea.Top)};
}

TPoint ClampedKeyboardPosition(const TRect& monitor, const TRect& window) {
    const int width = window.Right - window.Left, height = window.Bottom - window.Top;
    TPoint place{window.Left, window.Top};
    if (monitor.Right < window.Right) place.X = monitor.Right - width - kEdgeGap;
    if (monitor.Bottom < window.Bottom) place.Y = monitor.Bottom - height - kEdgeGap;
    return place;
}
