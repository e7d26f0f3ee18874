#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/framework/stream.h"
#include "support/gdi/bitmap.h"
#include "support/gdi/bmp_file.h"

namespace {
// A picture whose every pixel differs from its neighbours.
HBitmap Pattern(int width, int height) {
    HBitmap picture;
    picture.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.SetPixel(x, y, static_cast<uint32_t>(x * 40 + y * 0x1100 + 0x030000));
    return picture;
}

std::vector<uint8_t> Written(const HBitmap& picture) {
    TMemoryStream stream;
    WriteBmp24(stream, picture);
    return stream.Bytes();
}

int32_t Get32(const std::vector<uint8_t>& bytes, size_t at) {
    int32_t value;
    std::memcpy(&value, &bytes[at], 4);
    return value;
}
void Put32(std::vector<uint8_t>& bytes, size_t at, int32_t value) { std::memcpy(&bytes[at], &value, 4); }

HBitmap Read(const std::vector<uint8_t>& bytes) {
    TConstMemoryStream stream(bytes.data(), static_cast<int32_t>(bytes.size()));
    HBitmap picture;
    ReadBmp(stream, picture);
    return picture;
}

// A 32-bit top-down file of 2 × 2 pixels, as some programs write them.
std::vector<uint8_t> TopDown32() {
    std::vector<uint8_t> bytes(54 + 16, 0);
    bytes[0] = 'B', bytes[1] = 'M';
    Put32(bytes, 2, static_cast<int32_t>(bytes.size()));
    Put32(bytes, 10, 54);
    Put32(bytes, 14, 40);
    Put32(bytes, 18, 2);
    Put32(bytes, 22, -2);
    bytes[26] = 1, bytes[28] = 32;
    const uint8_t pixels[16] = {0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0, 0x70, 0x80, 0x90, 0, 0xA0, 0xB0, 0xC0, 0};
    std::memcpy(&bytes[54], pixels, 16);
    return bytes;
}
}  // namespace

TEST(BmpFile, WritesAFileHeaderAnInfoHeaderAndPaddedRows) {
    const std::vector<uint8_t> bytes = Written(Pattern(3, 2));
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);  // 3 pixels = 9 bytes, padded to 12
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Get32(bytes, 2), static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(Get32(bytes, 10), 54);
    EXPECT_EQ(Get32(bytes, 14), 40);
    EXPECT_EQ(Get32(bytes, 18), 3);
    EXPECT_EQ(Get32(bytes, 22), 2);
    EXPECT_EQ(bytes[28], 24);
}

TEST(BmpFile, StoresTheBottomRowFirstInBlueGreenRedOrder) {
    HBitmap picture;
    picture.SetSize(1, 2);
    picture.SetPixel(0, 0, 0x0000FF);  // red, top
    picture.SetPixel(0, 1, 0xFF0000);  // blue, bottom
    const std::vector<uint8_t> bytes = Written(picture);
    EXPECT_EQ(bytes[54], 0xFF);      // bottom row: blue byte first
    EXPECT_EQ(bytes[54 + 4 + 2], 0xFF);  // top row: red byte last
}

TEST(BmpFile, ReadsBackWhatItWrites) {
    for (int width : {1, 2, 3, 4, 5, 17}) {
        const HBitmap picture = Pattern(width, 3);
        EXPECT_TRUE(Read(Written(picture)) == picture) << width;
    }
}

TEST(BmpFile, ReadsTopDown32BitFiles) {
    const HBitmap picture = Read(TopDown32());
    ASSERT_EQ(picture.Width(), 2);
    ASSERT_EQ(picture.Height(), 2);
    EXPECT_EQ(picture.Pixel(0, 0), 0x102030u);
    EXPECT_EQ(picture.Pixel(1, 1), 0xA0B0C0u);
}

TEST(BmpFile, RefusesWhatIsNotABitmap) {
    std::vector<uint8_t> bytes = Written(Pattern(2, 2));
    bytes[0] = 'X';
    EXPECT_THROW(Read(bytes), EInvalidGraphic);
}

TEST(BmpFile, RefusesUnsupportedFormats) {
    std::vector<uint8_t> bytes = Written(Pattern(2, 2));
    bytes[28] = 16;
    EXPECT_THROW(Read(bytes), EInvalidGraphic);
    bytes = Written(Pattern(2, 2));
    Put32(bytes, 30, 1);  // run-length compressed
    EXPECT_THROW(Read(bytes), EInvalidGraphic);
}

TEST(BmpFile, ACutShortFileIsAReadError) {
    std::vector<uint8_t> bytes = Written(Pattern(4, 4));
    bytes.resize(bytes.size() - 1);
    EXPECT_THROW(Read(bytes), EReadError);
    bytes.resize(30);
    EXPECT_THROW(Read(bytes), EReadError);
}

TEST(BmpFile, AHugeSizeInASmallFileIsRefusedBeforeAnyAllocation) {
    std::vector<uint8_t> bytes = Written(Pattern(2, 2));
    Put32(bytes, 18, 8000);
    Put32(bytes, 22, 8000);
    EXPECT_THROW(Read(bytes), EReadError);
    Put32(bytes, 18, 100000);
    EXPECT_THROW(Read(bytes), Exception);
}

TEST(BmpFile, NegativeOrExtremeSizesAreRefused) {
    std::vector<uint8_t> bytes = Written(Pattern(2, 2));
    Put32(bytes, 18, -2);
    EXPECT_THROW(Read(bytes), EInvalidGraphic);
    bytes = Written(Pattern(2, 2));
    Put32(bytes, 22, INT32_MIN);
    EXPECT_THROW(Read(bytes), EInvalidGraphic);
}

TEST(BmpFile, APixelOffsetInsideTheHeadersIsRefused) {
    std::vector<uint8_t> bytes = Written(Pattern(2, 2));
    Put32(bytes, 10, 20);
    EXPECT_THROW(Read(bytes), EInvalidGraphic);
}

TEST(Bitmap, SizesBeyondTheLimitsAreRefused) {
    HBitmap picture;
    EXPECT_THROW(picture.SetSize(HBitmap::kMaxSide + 1, 1), EInvalidGraphic);
    EXPECT_THROW(picture.SetSize(-1, 1), EInvalidGraphic);
    EXPECT_THROW(picture.SetSize(HBitmap::kMaxSide, HBitmap::kMaxSide), EInvalidGraphic);
    EXPECT_TRUE(picture.Empty());
}

TEST(Bitmap, PixelsOutsideThePictureAreIgnored) {
    HBitmap picture = Pattern(2, 2);
    const HBitmap before = picture;
    picture.SetPixel(-1, 0, 1);
    picture.SetPixel(2, 0, 1);
    picture.FillRect({-5, -5, 0, 10}, 1);
    EXPECT_TRUE(picture == before);
    EXPECT_EQ(picture.Pixel(5, 5), 0u);
}
