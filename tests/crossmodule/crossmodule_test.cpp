// The Windows programs are several modules (the exe, Tarnwick.dll, later Quillon.dll)
// sharing one C++ runtime: an exception raised in a DLL must reach a handler in the exe
// by its type, and every program must run with the UTF-8 code page of its manifest.
#include <gtest/gtest.h>

#include <cstdint>

#include "support/framework/exceptions.h"
#include "support/framework/stream.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(ExceptionsAcrossModules, ReadPastTheEndIsCaughtAsReadError) {
    TMemoryStream stream;
    stream.WriteInt32(7);
    stream.SetPosition(0);
    char buffer[8];
    try {
        stream.ReadBuffer(buffer, sizeof buffer);
        FAIL() << "reading past the end did not raise";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message, "Stream read error");
    }
}

TEST(ExceptionsAcrossModules, ReadErrorIsCaughtAsItsBaseClasses) {
    TMemoryStream stream;
    char byte;
    EXPECT_THROW(stream.ReadBuffer(&byte, 1), EFilerError);
    EXPECT_THROW(stream.ReadBuffer(&byte, 1), EStreamError);
    EXPECT_THROW(stream.ReadBuffer(&byte, 1), Exception);
    EXPECT_THROW(stream.ReadBuffer(&byte, 1), std::exception);
}

TEST(ExceptionsAcrossModules, StreamStaysUsableAfterTheError) {
    TMemoryStream stream;
    stream.WriteInt32(0x01020304);
    stream.SetPosition(0);
    int64_t tooMany = 0;
    EXPECT_THROW(stream.ReadBuffer(&tooMany, sizeof tooMany), EReadError);
    stream.SetPosition(0);
    EXPECT_EQ(stream.ReadInt32(), 0x01020304);
}

#ifdef _WIN32
TEST(ProcessCodePage, IsUtf8FromTheManifest) {
    EXPECT_EQ(GetACP(), 65001u);
}

TEST(ProcessCodePage, AnsiFunctionsTakeUtf8) {
    const char* text = "Gr\xC3\xBC\xC3\x9F\x65 \xE2\x86\x92";  // "Grüße →" as UTF-8
    wchar_t wide[16] = {};
    int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, -1, wide, 16);
    ASSERT_EQ(length, 8);
    EXPECT_EQ(wide[2], L'\u00FC');
    EXPECT_EQ(wide[6], L'\u2192');
}
#endif

}  // namespace
