// A canvas over a device context that someone else owns, bound only while painting.
#pragma once
#include <windows.h>

#include "support/framework/control.h"

class HAPICanvas {
public:
    HAPICanvas() = default;
    HAPICanvas(const HAPICanvas&) = delete;
    HAPICanvas& operator=(const HAPICanvas&) = delete;

    // Binds the canvas to dc, whose drawable area is width × height; a null dc unbinds it.
    void SetHDC(HDC dc, int width, int height);
    HDC Handle() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Fills area with a colour (system colours resolved); does nothing while unbound.
    void FillRect(const TRect& area, TColor color);

private:
    HDC dc_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
