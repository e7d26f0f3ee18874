// Feeds arbitrary files to HLoadStream: every input must load or raise a framework exception,
// and a file without the compressed header must load exactly as it is.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "support/framework/exceptions.h"
#include "support/framework/stream.h"
#include "support/lib/stream_files.h"

namespace {
const std::string& InputFileName() {
    static const std::string name =
        (std::filesystem::temp_directory_path() / ("load_stream_fuzzer-" + std::to_string(std::random_device{}()) + ".dat")).string();
    return name;
}

bool IsPlain(const uint8_t* data, size_t size) {
    return size < sizeof kCompressedFileMagic || std::memcmp(data, kCompressedFileMagic, sizeof kCompressedFileMagic) != 0;
}

bool Holds(TMemoryStream& stream, const uint8_t* data, size_t size) {
    return stream.Bytes().size() == size && (size == 0 || std::memcmp(stream.Memory(), data, size) == 0);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& fileName = InputFileName();
    {
        std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TMemoryStream stream;
    try {
        HLoadStream(&stream, fileName.c_str());
        if (stream.GetPosition() != 0) __builtin_trap();
        if (IsPlain(data, size) && !Holds(stream, data, size)) __builtin_trap();
    } catch (const Exception&) {
        if (IsPlain(data, size) || stream.GetSize() != 0) __builtin_trap();
    }
    std::filesystem::remove(fileName);
    return 0;
}
