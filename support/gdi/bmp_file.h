// Windows bitmap files (BITMAPFILEHEADER, BITMAPINFOHEADER, bottom-up rows).
#pragma once

class HBitmap;
class TStream;

// Writes bitmap as an uncompressed 24-bit file.
void WriteBmp24(TStream& stream, const HBitmap& bitmap);
// Reads one uncompressed file of 1, 4, 8, 24 or 32 bits per pixel (bottom-up or top-down)
// into bitmap; raises
// EInvalidGraphic for other formats and damaged headers, EReadError when the file is cut short.
void ReadBmp(TStream& stream, HBitmap& bitmap);
