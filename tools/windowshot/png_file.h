// Writing a picture as a PNG file: 8-bit RGB, no interlace, one zlib stream.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// pixels: width * height values 0x00RRGGBB, row by row from the top. Written atomically;
// raises on failure.
void WritePng(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels);
// The file's bytes, for tests.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint32_t>& pixels);
