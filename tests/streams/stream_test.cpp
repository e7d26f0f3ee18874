#include <gtest/gtest.h>

#include "support/framework/exceptions.h"
#include "support/framework/stream.h"

TEST(MemoryStream, ExactReadPastTheEndRaisesReadError) {
    TMemoryStream s;
    s.WriteInt32(7);
    s.SetPosition(0);
    EXPECT_EQ(s.ReadInt32(), 7);
    char byte;
    EXPECT_THROW(s.ReadBuffer(&byte, 1), EReadError);
}

TEST(MemoryStream, WritingPastTheEndGrowsAndSeekingBeforeStartFails) {
    TMemoryStream s;
    s.SetPosition(3);
    s.WriteBuffer("ab", 2);
    EXPECT_EQ(s.GetSize(), 5);
    EXPECT_THROW(s.Seek(-1, TSeekOrigin::Beginning), EStreamError);
}

TEST(MemoryStream, Int32IsLittleEndianAndSigned) {
    TMemoryStream s;
    s.WriteInt32(-2);
    ASSERT_EQ(s.GetSize(), 4);
    EXPECT_EQ(s.Memory()[0], 0xFE);
    EXPECT_EQ(s.Memory()[3], 0xFF);
    s.SetPosition(0);
    EXPECT_EQ(s.ReadInt32(), -2);
}

TEST(FileStream, MissingFileRaisesOpenErrorNamingTheFile) {
    try {
        TFileStream f("no/such/file.osk", TFileMode::OpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message.find("no/such/file.osk"), std::string::npos);
    }
}
