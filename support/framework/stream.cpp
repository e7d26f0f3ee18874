#include "stream.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

#include "exceptions.h"

void TStream::ReadBuffer(void* buffer, int32_t count) {
    if (count < 0 || Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int32_t count) {
    if (count < 0 || Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.GetSize();
    }
    int64_t left = count;
    uint8_t chunk[8192];
    while (left > 0) {
        const int32_t n = static_cast<int32_t>(std::min<int64_t>(left, sizeof chunk));
        source.ReadBuffer(chunk, n);
        WriteBuffer(chunk, n);
        left -= n;
    }
    return count;
}

int64_t TStream::GetSize() {
    const int64_t position = Seek(0, TSeekOrigin::Current);
    const int64_t size = Seek(0, TSeekOrigin::End);
    Seek(position, TSeekOrigin::Beginning);
    return size;
}

void TStream::SetSize(int64_t) { throw EStreamError("Stream size cannot be changed"); }

int32_t TStream::ReadInt32() {
    uint8_t b[4];
    ReadBuffer(b, 4);
    return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
}

void TStream::WriteInt32(int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    WriteBuffer(b, 4);
}

namespace {
int64_t SeekTarget(int64_t offset, TSeekOrigin origin, int64_t position, int64_t size) {
    switch (origin) {
        case TSeekOrigin::Beginning: return offset;
        case TSeekOrigin::Current: return position + offset;
        case TSeekOrigin::End: return size + offset;
    }
    return position;
}

int32_t ReadFrom(const uint8_t* data, int64_t size, int64_t& position, void* buffer, int32_t count) {
    if (count <= 0 || position >= size) return 0;
    const int32_t n = static_cast<int32_t>(std::min<int64_t>(count, size - position));
    std::memcpy(buffer, data + position, static_cast<size_t>(n));
    position += n;
    return n;
}
}  // namespace

int32_t TMemoryStream::Read(void* buffer, int32_t count) {
    return ReadFrom(bytes_.data(), static_cast<int64_t>(bytes_.size()), position_, buffer, count);
}

int32_t TMemoryStream::Write(const void* buffer, int32_t count) {
    if (count <= 0) return 0;
    const int64_t end = position_ + count;
    if (end > static_cast<int64_t>(bytes_.size())) bytes_.resize(static_cast<size_t>(end));
    std::memcpy(bytes_.data() + position_, buffer, static_cast<size_t>(count));
    position_ = end;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    const int64_t target = SeekTarget(offset, origin, position_, static_cast<int64_t>(bytes_.size()));
    if (target < 0) throw EStreamError("Stream seek before its start");
    position_ = target;
    return position_;
}

void TMemoryStream::SetSize(int64_t size) {
    if (size < 0) throw EStreamError("Invalid stream size");
    bytes_.resize(static_cast<size_t>(size));
    position_ = std::min<int64_t>(position_, size);
}

void TMemoryStream::Clear() {
    bytes_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, TFileMode::OpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
    TFileStream file(fileName, TFileMode::Create);
    SaveToStream(file);
    if (!file.Flush()) throw EWriteError("Cannot write file " + fileName);
}

void TMemoryStream::LoadFromStream(TStream& source) {
    source.SetPosition(0);
    const int64_t size = source.GetSize();
    if (size > INT32_MAX) throw EStreamError("Stream too large");
    Clear();
    SetSize(size);
    if (size > 0) source.ReadBuffer(bytes_.data(), static_cast<int32_t>(size));
    position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& dest) {
    if (!bytes_.empty()) dest.WriteBuffer(bytes_.data(), static_cast<int32_t>(bytes_.size()));
}

int32_t TConstMemoryStream::Read(void* buffer, int32_t count) {
    return ReadFrom(data_, size_, position_, buffer, count);
}

int32_t TConstMemoryStream::Write(const void*, int32_t) {
    throw EStreamError("Stream is read-only");
}

int64_t TConstMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    const int64_t target = SeekTarget(offset, origin, position_, size_);
    if (target < 0) throw EStreamError("Stream seek before its start");
    position_ = target;
    return position_;
}

namespace {
// Some C libraries open a folder like a file and then report nonsense sizes; others refuse it
// with a reason that does not say why. Either way the caller learns that it is a folder.
bool IsFolder(const std::string& fileName) {
    struct stat info;
    return stat(fileName.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == S_IFDIR;
}
}  // namespace

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) : fileName_(fileName) {
    if (IsFolder(fileName)) {
        if (mode == TFileMode::Create) throw EFCreateError("Cannot create file \"" + fileName + "\". It is a folder");
        throw EFOpenError("Cannot open file \"" + fileName + "\". It is a folder");
    }
    const char* how = mode == TFileMode::OpenRead ? "rb" : mode == TFileMode::Create ? "wb" : "r+b";
    file_ = std::fopen(fileName.c_str(), how);
    if (!file_) {
        const std::string reason = std::strerror(errno);
        if (mode == TFileMode::Create) throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
    }
}

TFileStream::~TFileStream() { std::fclose(static_cast<FILE*>(file_)); }

int32_t TFileStream::Read(void* buffer, int32_t count) {
    if (count <= 0) return 0;
    return static_cast<int32_t>(std::fread(buffer, 1, static_cast<size_t>(count), static_cast<FILE*>(file_)));
}

int32_t TFileStream::Write(const void* buffer, int32_t count) {
    if (count <= 0) return 0;
    return static_cast<int32_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), static_cast<FILE*>(file_)));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    const int whence = origin == TSeekOrigin::Beginning ? SEEK_SET : origin == TSeekOrigin::Current ? SEEK_CUR : SEEK_END;
    FILE* f = static_cast<FILE*>(file_);
    if (std::fseek(f, static_cast<long>(offset), whence) != 0) throw EStreamError("Cannot seek in " + fileName_);
    return std::ftell(f);
}

bool TFileStream::Flush() { return std::fflush(static_cast<FILE*>(file_)) == 0 && !std::ferror(static_cast<FILE*>(file_)); }
