// Small pictures for menu items: bitmaps of 32-bit pixels, and a list of equal-size ones
// that share a transparent colour.
#pragma once
#include <cstdint>
#include <vector>

#include "support/framework/component.h"

// Pixels row by row from the top, each 0xAARRGGBB; alpha 0 is transparent, 255 opaque.
class TBitmapImage {
public:
    TBitmapImage() = default;
    // A bitmap of that size, every pixel the given one; raises EInvalidOperation for sizes below 0
    // or above kMaxImageSide.
    TBitmapImage(int width, int height, uint32_t fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t argb);
    const std::vector<uint32_t>& Pixels() const { return pixels_; }
    bool operator==(const TBitmapImage& other) const = default;

    static constexpr int kMaxImageSide = 1024;

private:
    size_t IndexOf(int x, int y) const;

    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

// Images of one size. Pixels of the transparent colour (0xRRGGBB, alpha ignored) become
// transparent when an image is added.
class TImageList : public TComponent {
    PENDREL_CLASS(TImageList, TComponent)
public:
    explicit TImageList(TComponent* owner);

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    // Changing the size drops every image.
    void SetSize(int width, int height);
    uint32_t GetTransparentColor() const { return transparentColor_; }
    void SetTransparentColor(uint32_t rgb) { transparentColor_ = rgb & 0xFFFFFFu; }

    int Count() const { return static_cast<int>(images_.size()); }
    // Adds an image of the list's size; returns its index. Raises EInvalidOperation for another size.
    int Add(const TBitmapImage& image);
    void Delete(int index);
    void Clear() { images_.clear(); }
    // Copies image index into target, which takes the list's size; raises EListError for a bad index.
    void GetBitmap(int index, TBitmapImage& target) const;
    const TBitmapImage& Image(int index) const;

private:
    void CheckIndex(int index) const;

    int width_ = 16;
    int height_ = 16;
    uint32_t transparentColor_ = 0xFF00FF;
    std::vector<TBitmapImage> images_;
};
