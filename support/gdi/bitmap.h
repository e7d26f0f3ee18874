// A picture held as 24-bit colour pixels, independent of any device; streamed as a
// Windows bitmap file under the property name "Data".
#pragma once
#include <cstdint>
#include <vector>

#include "support/framework/control.h"
#include "support/framework/exceptions.h"

class TStream;

class EInvalidGraphic : public Exception { using Exception::Exception; };

class HBitmap : public TPersistent {
    PENDREL_CLASS(HBitmap, TPersistent)
public:
    // Larger pictures are refused, so that a damaged file cannot ask for unbounded memory.
    static constexpr int kMaxSide = 8192;
    static constexpr int64_t kMaxPixels = int64_t{4096} * 4096;

    HBitmap() = default;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // Resizes to width × height black pixels; raises EInvalidGraphic beyond the limits.
    void SetSize(int width, int height);
    void Clear() { SetSize(0, 0); }

    // Colours are RGB values 0x00BBGGRR. Reading outside the picture gives 0, writing there does nothing.
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t rgb);
    void FillRect(const TRect& area, uint32_t rgb);
    void Fill(uint32_t rgb) { FillRect({0, 0, width_, height_}, rgb); }
    // Rows from the top, each Width() pixels.
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

    // The stream data of the "Data" property: the size of a bitmap file, then the file (an
    // empty picture for size 0). Loading raises EInvalidGraphic or EReadError for damaged data
    // and leaves the picture as it was then.
    void SaveToStream(TStream& stream) const;
    void LoadFromStream(TStream& stream);

    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;
    bool operator==(const HBitmap& other) const;

    // Pixel writes do not report themselves; whole-picture changes (size, assignment,
    // stream data) call Changed.
    void Changed() { OnChange(this); }
    TEvent<TObject*> OnChange;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};
