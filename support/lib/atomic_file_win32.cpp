#include "support/lib/atomic_file.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>

#include "support/framework/exceptions.h"

namespace {
std::string Reason(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length && text ? std::string(text, length) : "System error " + std::to_string(error);
    if (text) LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' ')) reason.pop_back();
    return reason;
}

// A temporary file that removes itself unless it was moved into place.
class TTempFile {
public:
    explicit TTempFile(const std::string& target) : target_(target) {
        static std::atomic<unsigned> counter{0};
        DWORD error = ERROR_FILE_EXISTS;
        for (int tries = 0; tries < 100 && handle_ == INVALID_HANDLE_VALUE && error == ERROR_FILE_EXISTS; ++tries) {
            name_ = AtomicTempName(target, GetCurrentProcessId(), counter++);
            handle_ = CreateFileA(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            error = GetLastError();
        }
        if (handle_ == INVALID_HANDLE_VALUE) throw EFCreateError("Cannot create file \"" + target + "\". " + Reason(error));
    }
    ~TTempFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        if (!committed_) DeleteFileA(name_.c_str());
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    void Write(const uint8_t* data, size_t size) {
        while (size > 0) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
            if (!WriteFile(handle_, data, chunk, &written, nullptr) || written == 0) Fail(GetLastError());
            data += written;
            size -= written;
        }
    }

    void Commit() {
        if (!FlushFileBuffers(handle_)) Fail(GetLastError());
        const BOOL closed = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        if (!closed) Fail(GetLastError());
        if (!MoveFileExA(name_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) Fail(GetLastError());
        committed_ = true;
    }

private:
    [[noreturn]] void Fail(DWORD error) { throw EWriteError("Cannot write file \"" + target_ + "\". " + Reason(error)); }

    std::string target_;
    std::string name_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool committed_ = false;
};
}  // namespace

void AtomicWriteFile(const std::string& fileName, const void* data, size_t size) {
    TTempFile temp(fileName);
    temp.Write(static_cast<const uint8_t*>(data), size);
    temp.Commit();
}
