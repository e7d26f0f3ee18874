#include "support/lib/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "support/framework/exceptions.h"
#include "support/lib/paths.h"

namespace {
std::string Reason(int error) { return std::strerror(error); }

// A temporary file that removes itself unless it was renamed into place.
class TTempFile {
public:
    explicit TTempFile(const std::string& target) : target_(target) {
        static std::atomic<unsigned> counter{0};
        int error = EEXIST;
        for (int tries = 0; tries < 100 && fd_ < 0 && error == EEXIST; ++tries) {
            name_ = AtomicTempName(target, static_cast<unsigned long>(getpid()), counter++);
            fd_ = open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            error = errno;
        }
        if (fd_ < 0) throw EFCreateError("Cannot create file \"" + target + "\". " + Reason(error));
    }
    ~TTempFile() {
        if (fd_ >= 0) close(fd_);
        if (!committed_) unlink(name_.c_str());
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    void Write(const uint8_t* data, size_t size) {
        while (size > 0) {
            const ssize_t written = write(fd_, data, std::min<size_t>(size, 1u << 30));
            const int error = errno;
            if (written < 0 && error == EINTR) continue;
            if (written <= 0) Fail(written < 0 ? error : EIO);
            data += written;
            size -= static_cast<size_t>(written);
        }
    }

    void Commit() {
        if (fsync(fd_) != 0) Fail(errno);
        const int closed = close(fd_);
        const int error = errno;
        fd_ = -1;
        if (closed != 0) Fail(error);
        if (rename(name_.c_str(), target_.c_str()) != 0) Fail(errno);
        committed_ = true;
    }

private:
    [[noreturn]] void Fail(int error) { throw EWriteError("Cannot write file \"" + target_ + "\". " + Reason(error)); }

    std::string target_;
    std::string name_;
    int fd_ = -1;
    bool committed_ = false;
};

// Makes the rename itself durable; a failure here leaves a correct file, so it is not reported.
void SyncFolderOf(const std::string& fileName) {
    const std::string folder = FPath(fileName, '/');
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}
}  // namespace

void AtomicWriteFile(const std::string& fileName, const void* data, size_t size) {
    TTempFile temp(fileName);
    temp.Write(static_cast<const uint8_t*>(data), size);
    temp.Commit();
    SyncFolderOf(fileName);
}
