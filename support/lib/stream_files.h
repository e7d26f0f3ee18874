// Saving a stream to a file, optionally compressed, and loading it back.
#pragma once
#include <cstdint>

class TStream;

// A compressed file: this magic (which no plain layout starts with), the format version, the
// uncompressed size (all 32-bit little-endian) and then one zlib stream.
inline constexpr uint8_t kCompressedFileMagic[4] = {0x89, 'H', 'Z', 0x1A};
inline constexpr uint32_t kCompressedFileVersion = 1;
inline constexpr int kCompressedFileHeaderSize = 12;
// Larger streams are refused on saving and on loading.
inline constexpr uint32_t kMaxStreamFileSize = 256u << 20;

// Writes the stream's whole content (from its start; the position is kept) to fileName, atomically
// (see AtomicWriteFile). Content that begins with the magic is always compressed, so that loading
// gives it back unchanged. Raises EFCreateError / EWriteError naming the file.
void HSaveStream(TStream* stream, const char* fileName, bool compress);
// Replaces the stream's content with the file's bytes, decompressed when the file starts with the
// magic, and positions it at its start. A missing file raises EFOpenError; a damaged compressed one
// EReadError("Corrupt compressed file <name>: <reason>"), leaving the stream empty.
void HLoadStream(TStream* stream, const char* fileName);
