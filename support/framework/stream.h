// Byte streams: the abstract stream, memory streams and file streams.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class TSeekOrigin { Beginning, Current, End };

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to count bytes and returns how many were read.
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    // Writes count bytes and returns how many were written.
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    // Exact transfers: raise EReadError ("Stream read error") or EWriteError when short.
    void ReadBuffer(void* buffer, int32_t count);
    void WriteBuffer(const void* buffer, int32_t count);
    // Copies count bytes from source (count 0: the whole source from its start).
    int64_t CopyFrom(TStream& source, int64_t count);

    int64_t GetPosition() { return Seek(0, TSeekOrigin::Current); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::Beginning); }
    int64_t GetSize();
    virtual void SetSize(int64_t size);
    // Bytes between the position and the end.
    int64_t Remaining() { return GetSize() - GetPosition(); }

    // Little-endian helpers used by the control stream framing.
    int32_t ReadInt32();
    void WriteInt32(int32_t value);
};

class TMemoryStream : public TStream {
public:
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t size) override;
    void Clear();

    const uint8_t* Memory() const { return bytes_.data(); }
    uint8_t* Memory() { return bytes_.data(); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);
    void LoadFromStream(TStream& source);
    void SaveToStream(TStream& dest);

private:
    std::vector<uint8_t> bytes_;
    int64_t position_ = 0;
};

// A read-only stream over bytes owned elsewhere (resources, fuzz inputs).
class TConstMemoryStream : public TStream {
public:
    TConstMemoryStream(const void* data, int64_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

private:
    const uint8_t* data_;
    int64_t size_;
    int64_t position_ = 0;
};

enum class TFileMode { OpenRead, Create, OpenReadWrite };

class TFileStream : public TStream {
public:
    // Raises EFOpenError or EFCreateError with the file name and the system's reason.
    TFileStream(const std::string& fileName, TFileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    // Flushes to the device; false when the system reports a failure.
    bool Flush();

private:
    void* file_;  // FILE*
    std::string fileName_;
};
