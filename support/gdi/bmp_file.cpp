#include "bmp_file.h"

#include <array>
#include <cstdint>
#include <vector>

#include "bitmap.h"
#include "support/framework/stream.h"

namespace {
constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr uint32_t kUncompressed = 0, kBitFields = 3;

void Put16(uint8_t* at, uint32_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}
void Put32(uint8_t* at, uint32_t value) {
    Put16(at, value);
    Put16(at + 2, value >> 16);
}
uint32_t Get16(const uint8_t* at) { return at[0] | uint32_t{at[1]} << 8; }
uint32_t Get32(const uint8_t* at) { return Get16(at) | Get16(at + 2) << 16; }

// Rows are padded to whole 4-byte words.
size_t RowBytes(int width, int bitsPerPixel) { return (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4; }

struct TBmpInfo {
    int Width = 0, Height = 0;
    bool TopDown = false;
    int BitsPerPixel = 0;
    uint32_t PixelOffset = 0;
    std::vector<uint32_t> Palette;  // 0x00BBGGRR, for 1, 4 and 8 bits per pixel
};

bool IsPixelSize(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

// The colour table of a paletted file follows its info header: blue, green, red, unused.
std::vector<uint32_t> ReadPalette(TStream& stream, int bitsPerPixel, uint32_t colorsUsed) {
    if (bitsPerPixel > 8) return {};
    const uint32_t full = uint32_t{1} << bitsPerPixel;
    const uint32_t count = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    std::vector<uint8_t> entries(4 * count);
    stream.ReadBuffer(entries.data(), static_cast<int32_t>(entries.size()));
    std::vector<uint32_t> palette(count);
    for (uint32_t i = 0; i < count; ++i)
        palette[i] = entries[4 * i + 2] | uint32_t{entries[4 * i + 1]} << 8 | uint32_t{entries[4 * i]} << 16;
    return palette;
}

uint32_t PixelOf(const TBmpInfo& info, const uint8_t* row, int x) {
    if (info.BitsPerPixel >= 24) {
        const uint8_t* p = row + static_cast<size_t>(x) * (info.BitsPerPixel / 8);
        return p[2] | uint32_t{p[1]} << 8 | uint32_t{p[0]} << 16;
    }
    const size_t bit = static_cast<size_t>(x) * info.BitsPerPixel;
    const unsigned shift = 8 - info.BitsPerPixel - bit % 8;
    const uint32_t index = (row[bit / 8] >> shift) & ((1u << info.BitsPerPixel) - 1);
    if (index >= info.Palette.size()) throw EInvalidGraphic("Bitmap colour index outside its palette");
    return info.Palette[index];
}

TBmpInfo ReadHeaders(TStream& stream, int64_t start) {
    std::array<uint8_t, kFileHeaderSize + kInfoHeaderSize> header;
    stream.ReadBuffer(header.data(), static_cast<int32_t>(header.size()));
    if (header[0] != 'B' || header[1] != 'M') throw EInvalidGraphic("Not a bitmap file");
    const uint8_t* info = header.data() + kFileHeaderSize;
    const uint32_t infoSize = Get32(info);
    if (infoSize < kInfoHeaderSize) throw EInvalidGraphic("Unsupported bitmap header");
    TBmpInfo bmp;
    const auto width = static_cast<int32_t>(Get32(info + 4));
    const auto height = static_cast<int32_t>(Get32(info + 8));
    bmp.BitsPerPixel = static_cast<int>(Get16(info + 14));
    const uint32_t compression = Get32(info + 16);
    const bool plain = compression == kUncompressed || (compression == kBitFields && bmp.BitsPerPixel == 32);
    if (!plain || !IsPixelSize(bmp.BitsPerPixel))
        throw EInvalidGraphic("Unsupported bitmap format (" + std::to_string(bmp.BitsPerPixel) +
                              " bits per pixel, compression " + std::to_string(compression) + ")");
    if (width <= 0 || height == 0 || height == INT32_MIN) throw EInvalidGraphic("Invalid bitmap size");
    bmp.Width = width;
    bmp.TopDown = height < 0;
    bmp.Height = bmp.TopDown ? -height : height;
    bmp.PixelOffset = Get32(header.data() + 10);
    if (bmp.PixelOffset < kFileHeaderSize + infoSize) throw EInvalidGraphic("Invalid bitmap pixel offset");
    if (bmp.PixelOffset > stream.GetSize() - start) throw EReadError("Stream read error");
    stream.SetPosition(start + kFileHeaderSize + infoSize);
    bmp.Palette = ReadPalette(stream, bmp.BitsPerPixel, Get32(info + 32));
    return bmp;
}
}  // namespace

void WriteBmp24(TStream& stream, const HBitmap& bitmap) {
    const size_t rowBytes = RowBytes(bitmap.Width(), 24);
    const size_t pixelBytes = rowBytes * static_cast<size_t>(bitmap.Height());
    std::array<uint8_t, kFileHeaderSize + kInfoHeaderSize> header{};
    header[0] = 'B';
    header[1] = 'M';
    Put32(&header[2], static_cast<uint32_t>(header.size() + pixelBytes));
    Put32(&header[10], static_cast<uint32_t>(header.size()));
    uint8_t* info = header.data() + kFileHeaderSize;
    Put32(info, kInfoHeaderSize);
    Put32(info + 4, static_cast<uint32_t>(bitmap.Width()));
    Put32(info + 8, static_cast<uint32_t>(bitmap.Height()));
    Put16(info + 12, 1);
    Put16(info + 14, 24);
    Put32(info + 20, static_cast<uint32_t>(pixelBytes));
    Put32(info + 24, 2835);  // 72 dots per inch
    Put32(info + 28, 2835);
    stream.WriteBuffer(header.data(), static_cast<int32_t>(header.size()));
    std::vector<uint8_t> row(rowBytes, 0);
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const uint32_t rgb = bitmap.Pixel(x, y);
            row[3 * x] = static_cast<uint8_t>(rgb >> 16);  // blue
            row[3 * x + 1] = static_cast<uint8_t>(rgb >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(rgb);
        }
        stream.WriteBuffer(row.data(), static_cast<int32_t>(row.size()));
    }
}

void ReadBmp(TStream& stream, HBitmap& bitmap) {
    const int64_t start = stream.GetPosition();
    const TBmpInfo info = ReadHeaders(stream, start);
    const size_t rowBytes = RowBytes(info.Width, info.BitsPerPixel);
    // Checked before the picture is allocated: a header alone cannot ask for memory.
    if (static_cast<int64_t>(rowBytes) * info.Height > stream.GetSize() - start - info.PixelOffset)
        throw EReadError("Stream read error");
    HBitmap read;
    read.SetSize(info.Width, info.Height);
    stream.SetPosition(start + info.PixelOffset);
    std::vector<uint8_t> row(rowBytes);
    for (int i = 0; i < info.Height; ++i) {
        stream.ReadBuffer(row.data(), static_cast<int32_t>(row.size()));
        const int y = info.TopDown ? i : info.Height - 1 - i;
        for (int x = 0; x < info.Width; ++x) read.SetPixel(x, y, PixelOf(info, row.data(), x));
    }
    bitmap.Assign(&read);
}
