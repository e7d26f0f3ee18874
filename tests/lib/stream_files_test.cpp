#include <gtest/gtest.h>

#include <random>

#include "support/framework/exceptions.h"
#include "support/framework/stream.h"
#include "support/lib/stream_files.h"
#include "temp_folder.h"

namespace {
std::string Content(TMemoryStream& stream) { return std::string(stream.Bytes().begin(), stream.Bytes().end()); }

void Fill(TMemoryStream& stream, const std::string& bytes) {
    stream.Clear();
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

std::string RandomBytes(size_t size) {
    std::mt19937 random(12345);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

std::string Header(uint32_t version, uint32_t declared) {
    std::string header(reinterpret_cast<const char*>(kCompressedFileMagic), 4);
    for (uint32_t value : {version, declared})
        for (int shift = 0; shift < 32; shift += 8) header += static_cast<char>(value >> shift);
    return header;
}

class StreamFileTest : public ::testing::TestWithParam<bool> {
protected:
    std::string RoundTrip(const std::string& bytes) {
        TMemoryStream out;
        Fill(out, bytes);
        HSaveStream(&out, file_.c_str(), GetParam());
        TMemoryStream in;
        Fill(in, "stale content");
        HLoadStream(&in, file_.c_str());
        EXPECT_EQ(in.GetPosition(), 0);
        return Content(in);
    }

    TTempFolder folder_;
    std::string file_ = folder_.File("layout.dat");
};

class CompressedFileTest : public ::testing::Test {
protected:
    // A saved compressed file of a small, compressible sample.
    std::string SavedSample() {
        TMemoryStream out;
        Fill(out, sample_);
        HSaveStream(&out, file_.c_str(), true);
        return ReadFileBytes(file_);
    }

    void ExpectCorrupt(const std::string& fileBytes, const std::string& reason) {
        WriteFileBytes(file_, fileBytes);
        TMemoryStream in;
        Fill(in, "stale");
        try {
            HLoadStream(&in, file_.c_str());
            ADD_FAILURE() << "loaded a corrupt file";
        } catch (const EReadError& error) {
            EXPECT_EQ(error.Message.rfind("Corrupt compressed file " + file_ + ": ", 0), 0u) << error.Message;
            EXPECT_NE(error.Message.find(reason), std::string::npos) << error.Message;
        }
        EXPECT_EQ(in.GetSize(), 0);
    }

    TTempFolder folder_;
    std::string file_ = folder_.File("layout.dat");
    std::string sample_ = "object Keyboard: TKeyboard\n  Width = 640\n  Height = 200\nend\n";
};
}  // namespace

TEST_P(StreamFileTest, EmptyStreamRoundTrips) { EXPECT_EQ(RoundTrip(""), ""); }

TEST_P(StreamFileTest, OneByteRoundTrips) { EXPECT_EQ(RoundTrip("x"), "x"); }

TEST_P(StreamFileTest, OneMegabyteOfRandomBytesRoundTrips) {
    const std::string bytes = RandomBytes(1 << 20);
    EXPECT_EQ(RoundTrip(bytes), bytes);
}

TEST_P(StreamFileTest, ContentStartingWithTheMagicRoundTrips) {
    const std::string bytes = Header(kCompressedFileVersion, 3) + "not really compressed";
    EXPECT_EQ(RoundTrip(bytes), bytes);
}

TEST_P(StreamFileTest, SavesTheWholeStreamWhateverItsPosition) {
    TMemoryStream out;
    Fill(out, "0123456789");
    out.SetPosition(7);
    HSaveStream(&out, file_.c_str(), GetParam());
    EXPECT_EQ(out.GetPosition(), 7);
    TMemoryStream in;
    HLoadStream(&in, file_.c_str());
    EXPECT_EQ(Content(in), "0123456789");
}

TEST_P(StreamFileTest, ReplacesAnExistingFileAndLeavesNoTemporary) {
    WriteFileBytes(file_, "old content that is longer than the new one");
    EXPECT_EQ(RoundTrip("new"), "new");
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"layout.dat"});
}

INSTANTIATE_TEST_SUITE_P(PlainAndCompressed, StreamFileTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Compressed" : "Plain"; });

TEST(StreamFileFormat, PlainSaveWritesTheBytesAsTheyAre) {
    TTempFolder folder;
    TMemoryStream out;
    Fill(out, "plain text");
    HSaveStream(&out, folder.File("a.txt").c_str(), false);
    EXPECT_EQ(ReadFileBytes(folder.File("a.txt")), "plain text");
}

TEST_F(CompressedFileTest, HeaderHoldsMagicVersionAndSize) {
    const std::string file = SavedSample();
    ASSERT_GT(file.size(), 12u);
    EXPECT_EQ(file.substr(0, 12), Header(kCompressedFileVersion, static_cast<uint32_t>(sample_.size())));
}

TEST_F(CompressedFileTest, CompressesRepetitiveContent) {
    sample_ = std::string(100000, 'k');
    EXPECT_LT(SavedSample().size(), 1000u);
}

TEST_F(CompressedFileTest, PlainFileLoadsAsItIs) {
    WriteFileBytes(file_, "\x89HZ");
    TMemoryStream in;
    HLoadStream(&in, file_.c_str());
    EXPECT_EQ(Content(in), "\x89HZ");
}

TEST_F(CompressedFileTest, EveryTruncationIsACleanError) {
    const std::string whole = SavedSample();
    for (size_t length = 4; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        ExpectCorrupt(whole.substr(0, length), length < 12 ? "truncated header" : "");
    }
}

TEST_F(CompressedFileTest, EveryFlippedByteAfterTheMagicIsCaught) {
    const std::string whole = SavedSample();
    for (size_t at = 4; at < whole.size(); ++at) {
        SCOPED_TRACE(at);
        std::string damaged = whole;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
        ExpectCorrupt(damaged, "");
    }
}

TEST_F(CompressedFileTest, HugeDeclaredSizeIsRefusedBeforeAllocating) {
    const std::string whole = SavedSample();
    ExpectCorrupt(Header(kCompressedFileVersion, 0xFFFFFFFFu) + whole.substr(12), "declared size 4294967295 is too large");
    ExpectCorrupt(Header(kCompressedFileVersion, kMaxStreamFileSize + 1) + whole.substr(12), "too large");
}

TEST_F(CompressedFileTest, DeclaredSizeMustMatch) {
    const std::string whole = SavedSample();
    const auto size = static_cast<uint32_t>(sample_.size());
    ExpectCorrupt(Header(kCompressedFileVersion, size + 1) + whole.substr(12), "instead of the declared");
    ExpectCorrupt(Header(kCompressedFileVersion, size - 1) + whole.substr(12), "more data than its declared size");
    ExpectCorrupt(Header(kCompressedFileVersion, 0) + whole.substr(12), "more data than its declared size");
}

TEST_F(CompressedFileTest, UnknownVersionIsRefused) {
    const std::string whole = SavedSample();
    ExpectCorrupt(Header(2, static_cast<uint32_t>(sample_.size())) + whole.substr(12), "unknown format version 2");
}

TEST_F(CompressedFileTest, TrailingBytesAreRefused) {
    ExpectCorrupt(SavedSample() + "x", "data after the compressed stream");
}

TEST_F(CompressedFileTest, GarbageAfterTheHeaderIsRefused) {
    ExpectCorrupt(Header(kCompressedFileVersion, 10) + "this is no zlib stream", "");
}

TEST(StreamFileErrors, MissingFileRaisesOpenErrorNamingIt) {
    TTempFolder folder;
    const std::string missing = folder.File("missing.dat");
    TMemoryStream in;
    try {
        HLoadStream(&in, missing.c_str());
        ADD_FAILURE() << "loaded a missing file";
    } catch (const EFOpenError& error) {
        EXPECT_NE(error.Message.find(missing), std::string::npos) << error.Message;
    }
}

TEST(StreamFileErrors, LoadingOrSavingAFolderSaysItIsOne) {
    TTempFolder folder;
    const std::string path = folder.Path().string();
    TMemoryStream stream;
    try {
        HLoadStream(&stream, path.c_str());
        ADD_FAILURE() << "loaded a folder";
    } catch (const EFOpenError& error) {
        EXPECT_NE(error.Message.find("It is a folder"), std::string::npos) << error.Message;
    }
    EXPECT_THROW(TFileStream(path, TFileMode::Create), EFCreateError);
}

TEST(StreamFileErrors, SavingIntoAMissingFolderRaisesCreateError) {
    TTempFolder folder;
    const std::string target = folder.File("no-such-folder/a.dat");
    TMemoryStream out;
    Fill(out, "data");
    try {
        HSaveStream(&out, target.c_str(), true);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const EFCreateError& error) {
        EXPECT_NE(error.Message.find(target), std::string::npos) << error.Message;
    }
}
