#include "bitmap.h"

#include <cassert>

#include "support/framework/exceptions.h"
#include "support/framework/filer.h"
#include "support/framework/stream.h"

PENDREL_IMPLEMENT_CLASS(TBitmap)

void TBitmap::DeclareProperties(TClassBuilder<TBitmap>&) {}

void TBitmap::SetSize(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxBmpSide || height > kMaxBmpSide)
        throw EInvalidOperation("Bitmap size out of range");
    if (width == 0 || height == 0) width = height = 0;
    if (width == image_.Width && height == image_.Height) return;
    image_.Width = width;
    image_.Height = height;
    image_.Pixels.assign(static_cast<size_t>(width) * height, 0);
    Changed();
}

uint32_t TBitmap::Pixel(int x, int y) const {
    assert(x >= 0 && x < image_.Width && y >= 0 && y < image_.Height);
    return image_.Pixels[static_cast<size_t>(y) * image_.Width + x];
}

void TBitmap::SetPixel(int x, int y, uint32_t rgb) {
    assert(x >= 0 && x < image_.Width && y >= 0 && y < image_.Height);
    image_.Pixels[static_cast<size_t>(y) * image_.Width + x] = rgb & 0xFFFFFF;
    Changed();
}

void TBitmap::Clear() {
    if (Empty()) return;
    image_ = TPixelImage{};
    Changed();
}

void TBitmap::SaveToStream(TStream& stream) const {
    const std::vector<uint8_t> bmp = EncodeBmp(image_);
    stream.WriteInt32(static_cast<int32_t>(bmp.size()));
    stream.WriteBuffer(bmp.data(), static_cast<int32_t>(bmp.size()));
}

void TBitmap::LoadFromStream(TStream& stream) {
    const int32_t size = stream.ReadInt32();
    if (size < 0 || size > stream.Remaining()) throw EReadError("Invalid bitmap image: size out of range");
    if (size == 0) return Clear();
    std::vector<uint8_t> bmp(static_cast<size_t>(size));
    stream.ReadBuffer(bmp.data(), size);
    image_ = DecodeBmp(bmp.data(), bmp.size());
    Changed();
}

void TBitmap::Assign(const TPersistent* source) {
    auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) return TPersistent::Assign(source);
    if (*this == *bitmap) return;
    image_ = bitmap->image_;
    Changed();
}

void TBitmap::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data", [this](TStream& stream) { LoadFromStream(stream); }, [this](TStream& stream) { SaveToStream(stream); },
        !Empty());
}

bool TBitmap::operator==(const TBitmap& other) const {
    return image_.Width == other.image_.Width && image_.Height == other.image_.Height &&
           image_.Pixels == other.image_.Pixels;
}
