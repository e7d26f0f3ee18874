// How a picture is laid out over a rectangle.
#pragma once
#include <cstdint>

#include "support/framework/control.h"

enum HBT_Types : uint8_t { HBT_Crop, HBT_Stretch, HBT_Center, HBT_Tile, HBT_RatioStretch };
PENDREL_ENUM_TYPEINFO(HBT_Types, "HBT_Crop", "HBT_Stretch", "HBT_Center", "HBT_Tile", "HBT_RatioStretch");

struct HBltPlacement {
    // No picture to draw: the area is filled with the colour instead.
    bool Fill = false;
    // The picture repeats at its own size from TileOrigin on, over the whole area.
    bool Tiled = false;
    TPoint TileOrigin;
    // Where the picture goes when not tiled, at the size it is drawn; drawing is clipped to the area.
    TRect Picture;
};

// Where a picture of the given size goes in area. Tiles line up with multiples of the
// picture size in the coordinates of area.
HBltPlacement BltPlacement(const TRect& area, int pictureWidth, int pictureHeight, HBT_Types mode);
