#include "dib_win32.h"

#include <string>

namespace {
uint32_t SwapRedBlue(uint32_t value) {
    return (value & 0x00FF00u) | (value & 0xFFu) << 16 | (value >> 16 & 0xFFu);
}
}  // namespace

TDibSection::TDibSection(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    if (!bitmap_ || !dc_) {
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
        throw EInvalidGraphic("Cannot make a picture of " + std::to_string(width) + " x " + std::to_string(height));
    }
    bits_ = static_cast<uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
}

TDibSection::TDibSection(const HBitmap& bitmap) : TDibSection(bitmap.Width(), bitmap.Height()) {
    GdiFlush();
    const auto& pixels = bitmap.Pixels();
    for (size_t i = 0; i < pixels.size(); ++i) bits_[i] = SwapRedBlue(pixels[i]);
}

TDibSection::~TDibSection() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

HBitmap TDibSection::ToBitmap() const {
    GdiFlush();
    HBitmap result;
    result.SetSize(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            result.SetPixel(x, y, SwapRedBlue(bits_[static_cast<size_t>(y) * width_ + x]));
    return result;
}
