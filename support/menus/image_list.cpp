#include "support/menus/image_list.h"

#include <cassert>
#include <string>

#include "support/framework/exceptions.h"

TBitmapImage::TBitmapImage(int width, int height, uint32_t fill) {
    if (width < 0 || height < 0 || width > kMaxImageSide || height > kMaxImageSide)
        throw EInvalidOperation("Invalid image size " + std::to_string(width) + "x" + std::to_string(height));
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

uint32_t TBitmapImage::Pixel(int x, int y) const { return pixels_[IndexOf(x, y)]; }

void TBitmapImage::SetPixel(int x, int y, uint32_t argb) { pixels_[IndexOf(x, y)] = argb; }

size_t TBitmapImage::IndexOf(int x, int y) const {
    assert(x >= 0 && x < width_ && y >= 0 && y < height_);
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
}

PENDREL_IMPLEMENT_CLASS(TImageList)

void TImageList::DeclareProperties(TClassBuilder<TImageList>& c) {
    c.Property("TransparentColor", &TImageList::GetTransparentColor, &TImageList::SetTransparentColor)
        .Default(0xFF00FF);
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    const TBitmapImage check(width, height);  // raises for sizes no image can have
    width_ = width;
    height_ = height;
    images_.clear();
}

int TImageList::Add(const TBitmapImage& image) {
    if (image.Width() != width_ || image.Height() != height_)
        throw EInvalidOperation("Invalid image size: the list holds images of " + std::to_string(width_) + "x" +
                                std::to_string(height_) + " pixels");
    TBitmapImage added(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const uint32_t pixel = image.Pixel(x, y);
            added.SetPixel(x, y, (pixel & 0xFFFFFFu) == transparentColor_ ? 0u : pixel | 0xFF000000u);
        }
    images_.push_back(std::move(added));
    return Count() - 1;
}

void TImageList::Delete(int index) {
    CheckIndex(index);
    images_.erase(images_.begin() + index);
}

void TImageList::GetBitmap(int index, TBitmapImage& target) const { target = Image(index); }

const TBitmapImage& TImageList::Image(int index) const {
    CheckIndex(index);
    return images_[static_cast<size_t>(index)];
}

void TImageList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError("Image index out of bounds (" + std::to_string(index) + ")");
}
