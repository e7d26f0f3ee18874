// Failures that need POSIX means to provoke: a file size limit and permissions.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include "support/framework/exceptions.h"
#include "support/framework/stream.h"
#include "support/lib/stream_files.h"
#include "tests/lib/temp_folder.h"

namespace {
// Lowers the file size limit for the lifetime of the object; writes beyond it fail with EFBIG.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t previousHandler_;
};

void Save(const std::string& fileName, const std::string& bytes, bool compress) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    HSaveStream(&stream, fileName.c_str(), compress);
}
}  // namespace

TEST(AtomicSaveFailure, FailedWriteKeepsTheOldFileAndRemovesTheTemporary) {
    TTempFolder folder;
    const std::string target = folder.File("layout.dat");
    WriteFileBytes(target, "old");
    {
        TFileSizeLimit limit(1000);
        try {
            Save(target, std::string(5000, 'x'), false);
            ADD_FAILURE() << "wrote beyond the file size limit";
        } catch (const EWriteError& error) {
            EXPECT_NE(error.Message.find(target), std::string::npos) << error.Message;
        }
    }
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"layout.dat"});
}

TEST(AtomicSaveFailure, ReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
    TTempFolder folder;
    const std::string target = folder.File("layout.dat");
    WriteFileBytes(target, "old");
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_THROW(Save(target, "new", true), EFCreateError);
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"layout.dat"});
}
