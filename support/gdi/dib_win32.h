// A device-independent picture that GDI draws on and from, with its own memory context.
#pragma once
#include <windows.h>

#include <cstdint>

#include "bitmap.h"

class TDibSection {
public:
    // width × height pixels, black; raises EInvalidGraphic when GDI refuses.
    TDibSection(int width, int height);
    // A copy of bitmap's pixels.
    explicit TDibSection(const HBitmap& bitmap);
    ~TDibSection();
    TDibSection(const TDibSection&) = delete;
    TDibSection& operator=(const TDibSection&) = delete;

    // The memory context the picture is selected into.
    HDC Dc() const { return dc_; }
    HBITMAP Handle() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixels as they are now.
    HBitmap ToBitmap() const;

private:
    int width_;
    int height_;
    uint32_t* bits_ = nullptr;  // rows from the top, 0x00RRGGBB
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};
