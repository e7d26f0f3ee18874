#include "support/win32/readable_memory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {
constexpr size_t kSettingNameLimit = 50;

size_t PageSize() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
}

// Pages of our own with the protections a test asks for, released at the end.
class TPages {
public:
    explicit TPages(size_t count, DWORD allocation = MEM_RESERVE | MEM_COMMIT, DWORD protection = PAGE_READWRITE)
        : base_(static_cast<char*>(VirtualAlloc(nullptr, count * PageSize(), allocation, protection))) {}
    ~TPages() {
        if (base_) VirtualFree(base_, 0, MEM_RELEASE);
    }
    TPages(const TPages&) = delete;
    TPages& operator=(const TPages&) = delete;

    char* Page(size_t index) const { return base_ + index * PageSize(); }
    void Protect(size_t index, DWORD protection) {
        DWORD previous;
        ASSERT_TRUE(VirtualProtect(Page(index), PageSize(), protection, &previous));
    }
    // The text, without its NUL, ending exactly at the end of the page.
    char* PlaceAtPageEnd(size_t index, const char* text) const {
        char* at = Page(index + 1) - std::strlen(text);
        std::memcpy(at, text, std::strlen(text));
        return at;
    }

private:
    char* base_;
};

TEST(ReadTextAt, ReadsATerminatedText) {
    const char name[] = "LRDiff";
    std::string text;
    EXPECT_TRUE(ReadTextAt(name, kSettingNameLimit, text));
    EXPECT_EQ(text, "LRDiff");
}

TEST(ReadTextAt, NullIsRefused) {
    std::string text = "kept";
    EXPECT_FALSE(ReadTextAt(nullptr, kSettingNameLimit, text));
    EXPECT_EQ(text, "kept");
}

TEST(ReadTextAt, ReservedButUncommittedMemoryIsRefused) {
    TPages reserved(1, MEM_RESERVE, PAGE_NOACCESS);
    std::string text;
    EXPECT_FALSE(ReadTextAt(reserved.Page(0), kSettingNameLimit, text));
}

TEST(ReadTextAt, ReleasedMemoryIsRefused) {
    void* released = VirtualAlloc(nullptr, PageSize(), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_TRUE(VirtualFree(released, 0, MEM_RELEASE));
    std::string text;
    EXPECT_FALSE(ReadTextAt(released, kSettingNameLimit, text));
}

TEST(ReadTextAt, NoAccessAndGuardPagesAreRefused) {
    TPages pages(2);
    std::strcpy(pages.Page(0), "IgnoreCA");
    std::strcpy(pages.Page(1), "IgnoreCA");
    pages.Protect(0, PAGE_NOACCESS);
    pages.Protect(1, PAGE_READWRITE | PAGE_GUARD);
    std::string text;
    EXPECT_FALSE(ReadTextAt(pages.Page(0), kSettingNameLimit, text));
    EXPECT_FALSE(ReadTextAt(pages.Page(1), kSettingNameLimit, text));
}

TEST(ReadTextAt, TextRunningIntoANoAccessPageIsRefused) {
    TPages pages(2);
    const char* at = pages.PlaceAtPageEnd(0, "Unterminated");
    pages.Protect(1, PAGE_NOACCESS);
    std::string text;
    EXPECT_FALSE(ReadTextAt(at, kSettingNameLimit, text));
}

TEST(ReadTextAt, TextCrossingIntoTheNextReadableRegionIsRead) {
    TPages pages(2);
    const char* at = pages.PlaceAtPageEnd(0, "Clear");
    std::strcpy(pages.Page(1), "Buff");
    pages.Protect(1, PAGE_READONLY);
    std::string text;
    EXPECT_TRUE(ReadTextAt(at, kSettingNameLimit, text));
    EXPECT_EQ(text, "ClearBuff");
}

TEST(ReadTextAt, TextMustEndWithinTheLimit) {
    const std::string fifty(kSettingNameLimit, 'x');
    const std::string fiftyOne(kSettingNameLimit + 1, 'x');
    std::string text;
    EXPECT_TRUE(ReadTextAt(fifty.c_str(), kSettingNameLimit, text));
    EXPECT_EQ(text, fifty);
    text = "kept";
    EXPECT_FALSE(ReadTextAt(fiftyOne.c_str(), kSettingNameLimit, text));
    EXPECT_EQ(text, "kept");
}

TEST(ReadTextAt, EmptyTextIsRead) {
    std::string text = "kept";
    EXPECT_TRUE(ReadTextAt("", kSettingNameLimit, text));
    EXPECT_EQ(text, "");
}
}  // namespace
