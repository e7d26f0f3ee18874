// Bitmaps in streams: the size-prefixed BMP file, and damaged files refused with a message.
#include <gtest/gtest.h>

#include "support/gdi/bitmap.h"
#include "support/framework/exceptions.h"
#include "support/framework/stream.h"

namespace {
HBitmap Gradient(int width, int height) {
    HBitmap bitmap;
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, static_cast<uint32_t>(x * 0x10203 + y * 0x30201));
    return bitmap;
}

std::vector<uint8_t> Saved(const HBitmap& bitmap) {
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return stream.Bytes();
}

void Load(HBitmap& bitmap, const std::vector<uint8_t>& bytes) {
    TMemoryStream stream;
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    stream.SetPosition(0);
    bitmap.LoadFromStream(stream);
}

void PutLE32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

TEST(BitmapData, IsASizeFollowedByABmpFileImage) {
    const std::vector<uint8_t> bytes = Saved(Gradient(3, 2));

    ASSERT_GE(bytes.size(), 4u + 54u);
    const uint32_t size = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | uint32_t(bytes[3]) << 24;
    EXPECT_EQ(size, bytes.size() - 4);
    EXPECT_EQ(bytes[4], 'B');
    EXPECT_EQ(bytes[5], 'M');
    EXPECT_EQ(size, 54u + 2 * 12u);  // rows of 9 bytes padded to 12
}

TEST(BitmapData, PixelsSurviveSavingAndLoading) {
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {17, 5}, {4, 9}}) {
        const HBitmap original = Gradient(w, h);
        HBitmap loaded;
        Load(loaded, Saved(original));
        EXPECT_TRUE(loaded == original) << w << "x" << h;
    }
}

TEST(BitmapData, AnEmptyImageClearsTheBitmap) {
    HBitmap bitmap = Gradient(2, 2);
    Load(bitmap, {0, 0, 0, 0});

    EXPECT_TRUE(bitmap.Empty());
}

TEST(BitmapData, TopDownAndPaletteImagesAreRead) {
    // A 2x2 image of 8 bits per pixel, rows stored top row first.
    std::vector<uint8_t> bmp(14 + 40 + 2 * 4 + 2 * 4, 0);
    bmp[0] = 'B', bmp[1] = 'M';
    PutLE32(bmp, 10, 14 + 40 + 8);
    PutLE32(bmp, 14, 40);
    PutLE32(bmp, 18, 2);
    PutLE32(bmp, 22, static_cast<uint32_t>(-2));
    bmp[26] = 1, bmp[28] = 8;
    PutLE32(bmp, 46, 2);
    const uint8_t palette[] = {0x00, 0x00, 0xFF, 0, 0xFF, 0x00, 0x00, 0};  // red, blue
    std::copy(std::begin(palette), std::end(palette), bmp.begin() + 54);
    bmp[62] = 0, bmp[63] = 1, bmp[66] = 1, bmp[67] = 0;
    std::vector<uint8_t> data(4);
    PutLE32(data, 0, static_cast<uint32_t>(bmp.size()));
    data.insert(data.end(), bmp.begin(), bmp.end());
    HBitmap bitmap;
    Load(bitmap, data);

    EXPECT_EQ(bitmap.Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(bitmap.Pixel(1, 0), 0xFF0000u);
    EXPECT_EQ(bitmap.Pixel(0, 1), 0xFF0000u);
    EXPECT_EQ(bitmap.Pixel(1, 1), 0x0000FFu);
}

class DamagedBitmap : public ::testing::Test {
protected:
    void ExpectRefused(const std::vector<uint8_t>& bytes) {
        HBitmap bitmap = Gradient(2, 2);
        EXPECT_THROW(Load(bitmap, bytes), Exception);
        EXPECT_EQ(bitmap.Width(), 2);
    }
    std::vector<uint8_t> good = Saved(Gradient(5, 4));
};

TEST_F(DamagedBitmap, ASizeBeyondTheStreamIsRefused) {
    PutLE32(good, 0, 0x7FFFFFFF);
    ExpectRefused(good);
    PutLE32(good, 0, 0x80000000u);
    ExpectRefused(good);
}

TEST_F(DamagedBitmap, ACutImageIsRefused) {
    for (size_t keep : {size_t(4 + 2), size_t(4 + 30), good.size() - 1}) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(keep));
        PutLE32(cut, 0, static_cast<uint32_t>(keep - 4));
        ExpectRefused(cut);
    }
}

TEST_F(DamagedBitmap, HugeOrZeroSidesAreRefused) {
    PutLE32(good, 4 + 18, 100000);
    ExpectRefused(good);
    good = Saved(Gradient(5, 4));
    PutLE32(good, 4 + 22, 0);
    ExpectRefused(good);
    good = Saved(Gradient(5, 4));
    PutLE32(good, 4 + 18, static_cast<uint32_t>(-5));
    ExpectRefused(good);
}

TEST_F(DamagedBitmap, UnknownFormatsAreRefused) {
    std::vector<uint8_t> compressed = good;
    compressed[4 + 30] = 1;
    ExpectRefused(compressed);
    std::vector<uint8_t> bits = good;
    bits[4 + 28] = 16;
    ExpectRefused(bits);
    std::vector<uint8_t> notBmp = good;
    notBmp[4] = 'X';
    ExpectRefused(notBmp);
}

}  // namespace
