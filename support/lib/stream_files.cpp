#include "support/lib/stream_files.h"

#include <zlib.h>

#include <algorithm>
#include <cassert>
#include <cstring>
#include <string>
#include <vector>

#include "support/framework/exceptions.h"
#include "support/framework/stream.h"
#include "support/lib/atomic_file.h"

namespace {
using TBytes = std::vector<uint8_t>;
constexpr size_t kChunkSize = 64 * 1024;

void PutUInt32(TBytes& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t GetUInt32(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

bool StartsWithMagic(const uint8_t* bytes, size_t size) {
    return size >= sizeof kCompressedFileMagic && std::memcmp(bytes, kCompressedFileMagic, sizeof kCompressedFileMagic) == 0;
}

// The whole content of the stream; its position is restored.
TBytes ReadWholeStream(TStream& stream, const std::string& fileName) {
    const int64_t position = stream.GetPosition();
    const int64_t size = stream.GetSize();
    if (size > kMaxStreamFileSize) throw EWriteError("Cannot write file \"" + fileName + "\". The content is too large");
    TBytes bytes(static_cast<size_t>(size));
    stream.SetPosition(0);
    if (size > 0) stream.ReadBuffer(bytes.data(), static_cast<int32_t>(size));
    stream.SetPosition(position);
    return bytes;
}

TBytes Compress(const TBytes& content, const std::string& fileName) {
    TBytes file(kCompressedFileMagic, kCompressedFileMagic + sizeof kCompressedFileMagic);
    PutUInt32(file, kCompressedFileVersion);
    PutUInt32(file, static_cast<uint32_t>(content.size()));
    uLongf packedSize = compressBound(static_cast<uLong>(content.size()));
    file.resize(kCompressedFileHeaderSize + packedSize);
    const int status = compress2(file.data() + kCompressedFileHeaderSize, &packedSize, content.data(),
                                 static_cast<uLong>(content.size()), Z_DEFAULT_COMPRESSION);
    if (status != Z_OK) throw EWriteError("Cannot write file \"" + fileName + "\". Compression failed");
    file.resize(kCompressedFileHeaderSize + packedSize);
    return file;
}

[[noreturn]] void Corrupt(const std::string& fileName, const std::string& reason) {
    throw EReadError("Corrupt compressed file " + fileName + ": " + reason);
}

class TInflater {
public:
    explicit TInflater(const std::string& fileName) {
        if (inflateInit(&z_) != Z_OK) Corrupt(fileName, "cannot start decompression");
    }
    ~TInflater() { inflateEnd(&z_); }
    TInflater(const TInflater&) = delete;
    TInflater& operator=(const TInflater&) = delete;
    z_stream& Z() { return z_; }

private:
    z_stream z_{};
};

// Inflates the zlib stream that follows the header, never producing more than declared bytes.
TBytes Inflate(TStream& file, uint32_t declared, const std::string& fileName) {
    TInflater inflater(fileName);
    z_stream& z = inflater.Z();
    TBytes content;
    content.reserve(std::min<size_t>(declared, kChunkSize));
    std::vector<uint8_t> input(kChunkSize), output(kChunkSize);
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (z.avail_in == 0) {
            z.avail_in = static_cast<uInt>(file.Read(input.data(), static_cast<int32_t>(input.size())));
            z.next_in = input.data();
            if (z.avail_in == 0) Corrupt(fileName, "truncated data");
        }
        z.next_out = output.data();
        z.avail_out = static_cast<uInt>(output.size());
        status = inflate(&z, Z_NO_FLUSH);
        const size_t produced = output.size() - z.avail_out;
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) Corrupt(fileName, z.msg ? z.msg : "invalid data");
        if (status == Z_BUF_ERROR && produced == 0 && z.avail_in != 0) Corrupt(fileName, "invalid data");
        if (produced > declared - content.size()) Corrupt(fileName, "more data than its declared size " + std::to_string(declared));
        content.insert(content.end(), output.begin(), output.begin() + static_cast<std::ptrdiff_t>(produced));
    }
    uint8_t extra;
    if (z.avail_in != 0 || file.Read(&extra, 1) != 0) Corrupt(fileName, "data after the compressed stream");
    if (content.size() != declared)
        Corrupt(fileName, "size " + std::to_string(content.size()) + " instead of the declared " + std::to_string(declared));
    return content;
}

TBytes ReadCompressed(TStream& file, int64_t fileSize, const std::string& fileName) {
    if (fileSize < kCompressedFileHeaderSize) Corrupt(fileName, "truncated header");
    uint8_t header[kCompressedFileHeaderSize];
    file.ReadBuffer(header, kCompressedFileHeaderSize);
    const uint32_t version = GetUInt32(header + 4);
    const uint32_t declared = GetUInt32(header + 8);
    if (version != kCompressedFileVersion) Corrupt(fileName, "unknown format version " + std::to_string(version));
    if (declared > kMaxStreamFileSize) Corrupt(fileName, "declared size " + std::to_string(declared) + " is too large");
    return Inflate(file, declared, fileName);
}

TBytes ReadPlain(TStream& file, int64_t fileSize, const std::string& fileName) {
    if (fileSize > kMaxStreamFileSize) throw EReadError("File " + fileName + " is too large");
    TBytes content(static_cast<size_t>(fileSize));
    if (fileSize > 0) file.ReadBuffer(content.data(), static_cast<int32_t>(fileSize));
    return content;
}

TBytes ReadFileContent(const std::string& fileName) {
    TFileStream file(fileName, TFileMode::OpenRead);
    const int64_t fileSize = file.GetSize();
    uint8_t magic[sizeof kCompressedFileMagic];
    const int32_t got = file.Read(magic, sizeof magic);
    file.SetPosition(0);
    if (StartsWithMagic(magic, static_cast<size_t>(got))) return ReadCompressed(file, fileSize, fileName);
    return ReadPlain(file, fileSize, fileName);
}

void Clear(TStream& stream) {
    stream.SetPosition(0);
    stream.SetSize(0);
}
}  // namespace

void HSaveStream(TStream* stream, const char* fileName, bool compress) {
    assert(stream && fileName);
    const TBytes content = ReadWholeStream(*stream, fileName);
    if (compress || StartsWithMagic(content.data(), content.size())) {
        const TBytes file = Compress(content, fileName);
        AtomicWriteFile(fileName, file.data(), file.size());
    } else {
        AtomicWriteFile(fileName, content.data(), content.size());
    }
}

void HLoadStream(TStream* stream, const char* fileName) {
    assert(stream && fileName);
    Clear(*stream);
    const TBytes content = ReadFileContent(fileName);
    if (!content.empty()) stream->WriteBuffer(content.data(), static_cast<int32_t>(content.size()));
    stream->SetPosition(0);
}
