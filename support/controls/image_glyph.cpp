#include "image_glyph.h"

#include "support/gdi/bitmap.h"
#include "support/menus/image_list.h"

namespace {
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0;

uint32_t RgbOfArgb(uint32_t argb) { return (argb >> 16 & 0xFFu) | (argb & 0xFF00u) | (argb & 0xFFu) << 16; }
bool IsTransparent(uint32_t argb) { return (argb >> 24) < 0x80u; }
}  // namespace

void ImageToGlyph(const TBitmapImage& image, HBitmap& picture, HBitmap& mask, uint32_t keyColor) {
    picture.SetSize(image.Width(), image.Height());
    mask.SetSize(image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const uint32_t argb = image.Pixel(x, y);
            const bool transparent = IsTransparent(argb);
            picture.SetPixel(x, y, transparent ? keyColor : RgbOfArgb(argb));
            mask.SetPixel(x, y, transparent ? kWhite : kBlack);
        }
    picture.Changed();
    mask.Changed();
}
