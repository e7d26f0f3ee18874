#include "bitmap.h"

#include <algorithm>

#include "bmp_file.h"
#include "support/framework/filer.h"
#include "support/framework/stream.h"

PENDREL_IMPLEMENT_CLASS(HBitmap)

void HBitmap::DeclareProperties(TClassBuilder<HBitmap>&) {}

void HBitmap::SetSize(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide ||
        int64_t{width} * height > kMaxPixels)
        throw EInvalidGraphic("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                              " is out of range");
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    Changed();
}

uint32_t HBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void HBitmap::SetPixel(int x, int y, uint32_t rgb) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = rgb & 0xFFFFFFu;
}

void HBitmap::FillRect(const TRect& area, uint32_t rgb) {
    const int left = std::max(area.Left, 0), right = std::min(area.Right, width_);
    const int top = std::max(area.Top, 0), bottom = std::min(area.Bottom, height_);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) SetPixel(x, y, rgb);
}

void HBitmap::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const HBitmap*>(source);
    if (!other) return TPersistent::Assign(source);
    width_ = other->width_;
    height_ = other->height_;
    pixels_ = other->pixels_;
    Changed();
}

bool HBitmap::operator==(const HBitmap& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

void HBitmap::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](TStream& stream) { LoadFromStream(stream); }, [this](TStream& stream) { SaveToStream(stream); },
        !Empty());
}

void HBitmap::LoadFromStream(TStream& stream) {
    const int32_t size = stream.ReadInt32();
    if (size < 0 || size > stream.Remaining()) throw EInvalidGraphic("Bitmap data length " + std::to_string(size) + " does not match its block");
    if (size == 0) return Clear();
    HBitmap read;
    ReadBmp(stream, read);
    Assign(&read);
}

void HBitmap::SaveToStream(TStream& stream) const {
    if (Empty()) return stream.WriteInt32(0);
    TMemoryStream file;
    WriteBmp24(file, *this);
    stream.WriteInt32(static_cast<int32_t>(file.GetSize()));
    file.SaveToStream(stream);
}
