#include "png_file.h"

#include <zlib.h>

#include <stdexcept>

#include "support/lib/atomic_file.h"

namespace {
void PutUint32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
    PutUint32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
    PutUint32(out, static_cast<uint32_t>(crc));
}

// Each row starts with filter type 0 (none).
std::vector<uint8_t> RawRows(int width, int height, const std::vector<uint32_t>& pixels) {
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            const uint32_t rgb = pixels[static_cast<size_t>(y) * width + x];
            raw.push_back(static_cast<uint8_t>(rgb >> 16));
            raw.push_back(static_cast<uint8_t>(rgb >> 8));
            raw.push_back(static_cast<uint8_t>(rgb));
        }
    }
    return raw;
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(size);
    if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("PNG: compression failed");
    packed.resize(size);
    return packed;
}
}  // namespace

std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint32_t>& pixels) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * height)
        throw std::invalid_argument("PNG: the pixels do not match the size");
    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutUint32(header, static_cast<uint32_t>(width));
    PutUint32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", Deflate(RawRows(width, height, pixels)));
    PutChunk(out, "IEND", {});
    return out;
}

void WritePng(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels) {
    const std::vector<uint8_t> bytes = EncodePng(width, height, pixels);
    AtomicWriteFile(path, bytes.data(), bytes.size());
}
