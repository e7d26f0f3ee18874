#include "blt_types.h"

#include <algorithm>

namespace {
// The multiple of step at or below value, also for negative values.
int AlignDown(int value, int step) {
    const int remainder = value % step;
    return remainder < 0 ? value - remainder - step : value - remainder;
}

TRect Centered(const TRect& area, int64_t width, int64_t height) {
    const int64_t left = area.Left + (int64_t{area.Right} - area.Left - width) / 2;
    const int64_t top = area.Top + (int64_t{area.Bottom} - area.Top - height) / 2;
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
            static_cast<int>(top + height)};
}

// The same whole percentage in both directions, as large as fits the area.
TRect RatioStretched(const TRect& area, int width, int height) {
    const int64_t areaWidth = std::max(0, area.Right - area.Left), areaHeight = std::max(0, area.Bottom - area.Top);
    const int64_t percent = std::min(100 * areaWidth / width, 100 * areaHeight / height);
    return Centered(area, width * percent / 100, height * percent / 100);
}
}  // namespace

HBltPlacement BltPlacement(const TRect& area, int pictureWidth, int pictureHeight, HBT_Types mode) {
    HBltPlacement placement;
    if (pictureWidth <= 0 || pictureHeight <= 0) {
        placement.Fill = true;
        return placement;
    }
    switch (mode) {
        case HBT_Crop:
            placement.Picture = {area.Left, area.Top, area.Left + pictureWidth, area.Top + pictureHeight};
            break;
        case HBT_Stretch: placement.Picture = area; break;
        case HBT_Center: placement.Picture = Centered(area, pictureWidth, pictureHeight); break;
        case HBT_Tile:
            placement.Tiled = true;
            placement.TileOrigin = {AlignDown(area.Left, pictureWidth), AlignDown(area.Top, pictureHeight)};
            break;
        case HBT_RatioStretch: placement.Picture = RatioStretched(area, pictureWidth, pictureHeight); break;
        default: placement.Fill = true;
    }
    return placement;
}
