#include <gtest/gtest.h>

#include <filesystem>

#include "support/framework/exceptions.h"
#include "support/framework/stream.h"
#include "support/lib/atomic_file.h"
#include "support/lib/stream_files.h"
#include "temp_folder.h"

namespace {
void Save(const std::string& fileName, const std::string& bytes, bool compress) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    HSaveStream(&stream, fileName.c_str(), compress);
}
}  // namespace

TEST(AtomicWriteFile, CreatesAndReplaces) {
    TTempFolder folder;
    const std::string target = folder.File("config.dat");
    AtomicWriteFile(target, "first", 5);
    EXPECT_EQ(ReadFileBytes(target), "first");
    AtomicWriteFile(target, "2nd", 3);
    EXPECT_EQ(ReadFileBytes(target), "2nd");
    AtomicWriteFile(target, nullptr, 0);
    EXPECT_EQ(ReadFileBytes(target), "");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"config.dat"});
}

TEST(AtomicWriteFile, TemporaryNamesAreBesideTheTargetAndDistinct) {
    const std::string a = AtomicTempName("C:\\dir\\config.dat", 12, 0);
    const std::string b = AtomicTempName("C:\\dir\\config.dat", 12, 1);
    const std::string c = AtomicTempName("C:\\dir\\config.dat", 13, 0);
    EXPECT_EQ(a.rfind("C:\\dir\\config.dat.", 0), 0u);
    EXPECT_EQ(a.find('\\', 7), std::string::npos);
    EXPECT_NE(a, b);
    EXPECT_NE(a, c);
}

TEST(AtomicWriteFile, FailedReplaceKeepsTheTargetAndRemovesTheTemporary) {
    TTempFolder folder;
    const std::string target = folder.File("occupied");
    std::filesystem::create_directory(target);
    WriteFileBytes(folder.File("occupied/inside"), "kept");
    try {
        Save(target, "new", true);
        ADD_FAILURE() << "replaced a folder";
    } catch (const EWriteError& error) {
        EXPECT_NE(error.Message.find(target), std::string::npos) << error.Message;
    }
    EXPECT_EQ(ReadFileBytes(folder.File("occupied/inside")), "kept");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"occupied"});
}

TEST(AtomicWriteFile, UncreatableTemporaryKeepsTheOldFile) {
    TTempFolder folder;
    // A name at the file system's length limit leaves no room for the temporary's suffix.
    const std::string target = folder.File(std::string(255, 'n'));
    WriteFileBytes(target, "old");
    ASSERT_EQ(ReadFileBytes(target), "old");
    EXPECT_THROW(Save(target, "new", false), EFCreateError);
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_EQ(folder.Entries().size(), 1u);
}
