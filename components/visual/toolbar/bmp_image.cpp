#include "bmp_image.h"

#include <cstdlib>

#include "support/framework/exceptions.h"

namespace {
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

void PutLE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t GetLE(const uint8_t* p, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<uint32_t>(p[i]) << (8 * i);
    return value;
}

[[noreturn]] void Damaged(const char* what) { throw EReadError(std::string("Invalid bitmap image: ") + what); }

size_t RowBytes(int width, int bitsPerPixel) { return (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4; }

struct TBmpHeader {
    size_t PixelOffset;
    int Width;
    int Height;
    bool TopDown;
    int BitsPerPixel;
    size_t PaletteOffset;
    size_t PaletteCount;
};

TBmpHeader ReadHeader(const uint8_t* data, size_t size) {
    if (size < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M') Damaged("no BMP header");
    const uint32_t infoSize = GetLE(data + 14, 4);
    if (infoSize < kInfoHeaderSize || infoSize > size - kFileHeaderSize) Damaged("unknown header size");
    TBmpHeader h{};
    h.PixelOffset = GetLE(data + 10, 4);
    const auto width = static_cast<int32_t>(GetLE(data + 18, 4));
    const auto height = static_cast<int32_t>(GetLE(data + 22, 4));
    h.BitsPerPixel = static_cast<int>(GetLE(data + 28, 2));
    const uint32_t compression = GetLE(data + 30, 4);
    const uint32_t colorsUsed = GetLE(data + 46, 4);
    if (compression != 0) Damaged("compressed images are not supported");
    if (width <= 0 || width > kMaxBmpSide || height == 0 || height < -kMaxBmpSide || height > kMaxBmpSide)
        Damaged("size out of range");
    h.Width = width;
    h.Height = std::abs(height);
    h.TopDown = height < 0;
    switch (h.BitsPerPixel) {
        case 1: case 4: case 8: case 24: case 32: break;
        default: Damaged("unsupported number of bits per pixel");
    }
    h.PaletteOffset = kFileHeaderSize + infoSize;
    if (h.BitsPerPixel <= 8) {
        const size_t full = size_t(1) << h.BitsPerPixel;
        h.PaletteCount = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
        if (h.PaletteOffset + 4 * h.PaletteCount > size) Damaged("palette cut short");
    }
    const size_t pixelBytes = RowBytes(h.Width, h.BitsPerPixel) * static_cast<size_t>(h.Height);
    if (h.PixelOffset > size || size - h.PixelOffset < pixelBytes) Damaged("pixel data cut short");
    return h;
}

uint32_t PaletteColor(const uint8_t* data, const TBmpHeader& h, uint32_t index) {
    if (index >= h.PaletteCount) Damaged("colour index outside the palette");
    const uint8_t* entry = data + h.PaletteOffset + 4 * index;
    return static_cast<uint32_t>(entry[2]) << 16 | static_cast<uint32_t>(entry[1]) << 8 | entry[0];
}

uint32_t PixelAt(const uint8_t* data, const uint8_t* row, const TBmpHeader& h, int x) {
    switch (h.BitsPerPixel) {
        case 24:
        case 32: {
            const uint8_t* p = row + static_cast<size_t>(x) * (h.BitsPerPixel / 8);
            return static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
        }
        default: {
            const size_t bit = static_cast<size_t>(x) * h.BitsPerPixel;
            const unsigned shift = 8 - h.BitsPerPixel - bit % 8;
            const uint32_t index = (row[bit / 8] >> shift) & ((1u << h.BitsPerPixel) - 1);
            return PaletteColor(data, h, index);
        }
    }
}
}  // namespace

std::vector<uint8_t> EncodeBmp(const TPixelImage& image) {
    const size_t rowBytes = RowBytes(image.Width, 24);
    const size_t pixelBytes = rowBytes * static_cast<size_t>(image.Height);
    std::vector<uint8_t> out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLE(out, static_cast<uint32_t>(kFileHeaderSize + kInfoHeaderSize + pixelBytes), 4);
    PutLE(out, 0, 4);
    PutLE(out, kFileHeaderSize + kInfoHeaderSize, 4);
    PutLE(out, kInfoHeaderSize, 4);
    PutLE(out, static_cast<uint32_t>(image.Width), 4);
    PutLE(out, static_cast<uint32_t>(image.Height), 4);
    PutLE(out, 1, 2);   // planes
    PutLE(out, 24, 2);  // bits per pixel
    PutLE(out, 0, 4);   // no compression
    PutLE(out, static_cast<uint32_t>(pixelBytes), 4);
    PutLE(out, 0, 4);
    PutLE(out, 0, 4);
    PutLE(out, 0, 4);
    PutLE(out, 0, 4);
    for (int y = image.Height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < image.Width; ++x) PutLE(out, image.Pixels[static_cast<size_t>(y) * image.Width + x], 3);
        out.resize(rowStart + rowBytes, 0);
    }
    return out;
}

TPixelImage DecodeBmp(const uint8_t* data, size_t size) {
    const TBmpHeader h = ReadHeader(data, size);
    TPixelImage image;
    image.Width = h.Width;
    image.Height = h.Height;
    image.Pixels.resize(static_cast<size_t>(h.Width) * h.Height);
    const size_t rowBytes = RowBytes(h.Width, h.BitsPerPixel);
    for (int y = 0; y < h.Height; ++y) {
        const int stored = h.TopDown ? y : h.Height - 1 - y;
        const uint8_t* row = data + h.PixelOffset + rowBytes * static_cast<size_t>(stored);
        for (int x = 0; x < h.Width; ++x) image.Pixels[static_cast<size_t>(y) * h.Width + x] = PixelAt(data, row, h, x);
    }
    return image;
}
