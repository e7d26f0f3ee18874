#include "tools/windowshot/png_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <stdexcept>

namespace {
uint32_t Uint32At(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 | uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

struct TChunk {
    std::string Type;
    std::vector<uint8_t> Data;
    bool CrcOk;
};

std::vector<TChunk> Chunks(const std::vector<uint8_t>& png) {
    std::vector<TChunk> chunks;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = Uint32At(png, at);
        TChunk chunk{std::string(png.begin() + at + 4, png.begin() + at + 8),
                     std::vector<uint8_t>(png.begin() + at + 8, png.begin() + at + 8 + length), false};
        const uLong crc = crc32(0L, png.data() + at + 4, length + 4);
        chunk.CrcOk = crc == Uint32At(png, at + 8 + length);
        chunks.push_back(chunk);
        at += 12 + length;
    }
    return chunks;
}
}  // namespace

TEST(PngFile, ChunksAreWellFormedWithTheSizeInTheHeader) {
    const auto png = EncodePng(3, 2, std::vector<uint32_t>(6, 0x123456));
    ASSERT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    const auto chunks = Chunks(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].Type, "IHDR");
    EXPECT_EQ(chunks[1].Type, "IDAT");
    EXPECT_EQ(chunks[2].Type, "IEND");
    for (const TChunk& chunk : chunks) EXPECT_TRUE(chunk.CrcOk) << chunk.Type;
    EXPECT_EQ(Uint32At(chunks[0].Data, 0), 3u);
    EXPECT_EQ(Uint32At(chunks[0].Data, 4), 2u);
    EXPECT_EQ(chunks[0].Data[8], 8);  // bits per sample
    EXPECT_EQ(chunks[0].Data[9], 2);  // RGB
}

TEST(PngFile, RowsCarryThePixelsAsRgbAfterAFilterByte) {
    const auto chunks = Chunks(EncodePng(2, 1, {0xFF0000, 0x00FF80}));
    std::vector<uint8_t> raw(7);
    uLongf size = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &size, chunks[1].Data.data(), chunks[1].Data.size()), Z_OK);
    EXPECT_EQ(raw, (std::vector<uint8_t>{0, 0xFF, 0, 0, 0, 0xFF, 0x80}));
}

TEST(PngFile, PixelsThatDoNotMatchTheSizeAreRefused) {
    EXPECT_THROW(EncodePng(2, 2, std::vector<uint32_t>(3)), std::invalid_argument);
    EXPECT_THROW(EncodePng(0, 1, {}), std::invalid_argument);
}
