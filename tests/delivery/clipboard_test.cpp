#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "runtime/delivery/input_platform.h"
#include "support/win32/wide_text.h"

namespace {
std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = WideToUtf8(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(ClipboardText, ReplacesTheClipboardWithUnicodeText) {
    ASSERT_TRUE(Win32InputPlatform().PutClipboardText("first"));
    ASSERT_TRUE(Win32InputPlatform().PutClipboardText("Привет, мир"));
    EXPECT_EQ(ClipboardText(), "Привет, мир");
}

// Another thread holds the clipboard open until released.
class TClipboardHolder {
public:
    TClipboardHolder()
        : thread_([this] {
              opened_ = OpenClipboard(nullptr) != FALSE;
              ready_ = true;
              while (!release_) Sleep(5);
              if (opened_) CloseClipboard();
          }) {
        while (!ready_) Sleep(5);
    }
    ~TClipboardHolder() {
        release_ = true;
        thread_.join();
    }
    bool Opened() const { return opened_; }

private:
    std::atomic<bool> opened_{false}, ready_{false}, release_{false};
    std::thread thread_;
};

TEST(ClipboardText, GivesUpSoonWhileAnotherProgramHoldsTheClipboard) {
    ASSERT_TRUE(Win32InputPlatform().PutClipboardText("before"));
    {
        TClipboardHolder holder;
        ASSERT_TRUE(holder.Opened());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(Win32InputPlatform().PutClipboardText("refused"));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
    EXPECT_EQ(ClipboardText(), "before");
}
}  // namespace
