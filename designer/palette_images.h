// The pictures of the palette's buttons, one per class of the palette table, in its order.
#pragma once

class TImageList;

inline constexpr int kPaletteImageSize = 20;

// Makes list 20 by 20 and fills it with the six pictures.
void DrawPaletteImages(TImageList& list);
