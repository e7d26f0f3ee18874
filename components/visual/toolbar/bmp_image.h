// BMP file images: the form in which a bitmap's pixels are stored in layout files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Pixels of an image, top row first, each 0x00RRGGBB.
struct TPixelImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
};

// The largest side a stored image may have; larger ones are damaged data, not glyphs.
inline constexpr int kMaxBmpSide = 2048;

// A BMP file image ("BM" file header, BITMAPINFOHEADER, 24 bits per pixel, bottom row first).
std::vector<uint8_t> EncodeBmp(const TPixelImage& image);
// Reads a BMP file image of 1, 4, 8, 24 or 32 bits per pixel without compression; raises
// EReadError for anything else, for sizes out of range and for pixel data cut short.
TPixelImage DecodeBmp(const uint8_t* data, size_t size);
