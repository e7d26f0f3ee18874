// A bitmap held as pixels in memory, streamed as the classic binary "Data" property:
// a 4-byte little-endian size followed by a BMP file image of that size.
#pragma once
#include <cstdint>

#include "bmp_image.h"
#include "support/framework/event.h"
#include "support/framework/persistent.h"

class TStream;

class TBitmap : public TPersistent {
    PENDREL_CLASS(TBitmap, TPersistent)
public:
    TBitmap() = default;

    int GetWidth() const { return image_.Width; }
    int GetHeight() const { return image_.Height; }
    bool Empty() const { return image_.Width == 0 || image_.Height == 0; }
    // New pixels are black; a size out of range raises EInvalidOperation.
    void SetSize(int width, int height);
    // 0x00RRGGBB; positions outside the bitmap are a programming error.
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t rgb);
    const TPixelImage& Image() const { return image_; }
    void Clear();

    // The size-prefixed BMP file image; reading replaces the pixels or raises EReadError.
    void SaveToStream(TStream& stream) const;
    void LoadFromStream(TStream& stream);

    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;
    bool operator==(const TBitmap& other) const;

    TEvent<TObject*> OnChange;

private:
    void Changed() { OnChange(this); }

    TPixelImage image_;
};
