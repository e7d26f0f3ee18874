// The repeating tile of the design grid: dots one step apart on a plain background.
#pragma once
#include <cstdint>

class HBitmap;

// The tile's extent for a grid step: the smallest whole number of steps wider than 8 pixels.
int GridTileSize(int step);

// Makes tile GridTileSize(stepX) × GridTileSize(stepY) pixels of background with dots in
// dotColor (RGB values). The dots sit where the content has its grid once it is scrolled
// by (scrollX, scrollY), so that they stay on the content's grid.
void BuildGridTile(HBitmap& tile, int stepX, int stepY, int scrollX, int scrollY, uint32_t background,
                   uint32_t dotColor);
