#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "support/lib/format.h"

TEST(Message, FormatsLikePrintf) {
    EXPECT_EQ(Message("%s=%d (%.2f) %c%%", "x", -5, 1.5, 'z'), "x=-5 (1.50) z%");
    EXPECT_EQ(Message("%lld %zu %llx", -1234567890123ll, size_t(7), 0xABCDEF0123ull), "-1234567890123 7 abcdef0123");
    EXPECT_EQ(Message("plain"), "plain");
}

TEST(Message, HasNoLengthLimit) {
    const std::string big(100000, 'q');
    const std::string text = Message("<%s>", big.c_str());
    ASSERT_EQ(text.size(), big.size() + 2);
    EXPECT_EQ(text.substr(1, big.size()), big);
}

TEST(Message, NullFormatGivesEmptyText) { EXPECT_EQ(Message(nullptr), ""); }

TEST(SNprintf, FitsAndReturnsTheLength) {
    char buf[16];
    EXPECT_EQ(SNprintf(buf, sizeof buf, "%d-%s", 42, "ok"), 5);
    EXPECT_STREQ(buf, "42-ok");
}

TEST(SNprintf, TruncatesAndTerminates) {
    char buf[8];
    std::memset(buf, 'X', sizeof buf);
    EXPECT_EQ(SNprintf(buf, sizeof buf, "%s", "0123456789"), 7);
    EXPECT_STREQ(buf, "0123456");
}

TEST(SNprintf, ExactFitNeedsRoomForTheTerminator) {
    char buf[5];
    EXPECT_EQ(SNprintf(buf, sizeof buf, "abcd"), 4);
    EXPECT_STREQ(buf, "abcd");
    EXPECT_EQ(SNprintf(buf, sizeof buf, "abcde"), 4);
    EXPECT_STREQ(buf, "abcd");
}

TEST(SNprintf, SizeOneGivesEmptyText) {
    char buf[1] = {'X'};
    EXPECT_EQ(SNprintf(buf, 1, "abc"), 0);
    EXPECT_EQ(buf[0], '\0');
}

TEST(SNprintf, SizeZeroWritesNothing) {
    char buf[1] = {'X'};
    EXPECT_EQ(SNprintf(buf, 0, "abc"), 0);
    EXPECT_EQ(buf[0], 'X');
    EXPECT_EQ(SNprintf(nullptr, 0, "abc"), 0);
}

namespace {
int Forward(char* buf, size_t size, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    const int length = VSNprintf(buf, size, fmt, args);
    va_end(args);
    return length;
}
}  // namespace

TEST(VSNprintf, TakesAnArgumentList) {
    char buf[6];
    EXPECT_EQ(Forward(buf, sizeof buf, "%d%d", 123, 456789), 5);
    EXPECT_STREQ(buf, "12345");
}
