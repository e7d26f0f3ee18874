// An image of an image list (32-bit pixels with alpha) as the 24-bit picture and the mask
// that buttons and the system's image lists draw from.
#pragma once
#include <cstdint>

class HBitmap;
class TBitmapImage;

// The mask is white where the image is transparent (alpha below half) and black elsewhere;
// transparent pixels of the picture take keyColor (0x00BBGGRR).
void ImageToGlyph(const TBitmapImage& image, HBitmap& picture, HBitmap& mask, uint32_t keyColor = 0xFF00FF);
