#include "grid_tile.h"

#include <cassert>

#include "support/gdi/bitmap.h"

namespace {
// The first dot's position inside the tile; scroll positions are never negative.
int FirstDot(int scroll, int step) { return scroll % step == 0 ? 0 : step - scroll % step; }
}  // namespace

int GridTileSize(int step) {
    assert(step >= 1);
    return (8 / step + 1) * step;
}

void BuildGridTile(HBitmap& tile, int stepX, int stepY, int scrollX, int scrollY, uint32_t background,
                   uint32_t dotColor) {
    tile.SetSize(GridTileSize(stepX), GridTileSize(stepY));
    tile.Fill(background);
    for (int y = FirstDot(scrollY, stepY); y < tile.Height(); y += stepY)
        for (int x = FirstDot(scrollX, stepX); x < tile.Width(); x += stepX) tile.SetPixel(x, y, dotColor);
    tile.Changed();
}
