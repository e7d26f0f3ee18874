#include <gtest/gtest.h>

#include <thread>

#include "runtime/hooklink/null_message.h"
#include "tests/hooklink/test_windows.h"

TEST(SendNullMessage, IsProcessedByAWindowOfThisThread) {
    HWND window = MakeQuietWindow();
    EXPECT_TRUE(SendNullMessage(window));
    DestroyWindow(window);
}

TEST(SendNullMessage, FailsForAWindowThatIsGone) {
    HWND window = MakeQuietWindow();
    DestroyWindow(window);
    EXPECT_FALSE(SendNullMessage(window));
}

TEST(SendNullMessage, IsProcessedByAnotherThreadThatPumps) {
    HWND window = nullptr;
    HANDLE created = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread pumping([&] {
        window = MakeQuietWindow();
        SetEvent(created);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
        DestroyWindow(window);
    });
    ASSERT_EQ(WaitForSingleObject(created, 10000), WAIT_OBJECT_0);
    EXPECT_TRUE(SendNullMessage(window));
    PostMessageA(window, WM_QUIT, 0, 0);
    pumping.join();
    CloseHandle(created);
}

TEST(SendNullMessage, GivesUpOnAWindowWhoseThreadIsBlocked) {
    HWND window = nullptr;
    HANDLE created = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread blocked([&] {
        window = MakeQuietWindow();
        SetEvent(created);
        WaitForSingleObject(release, 10000);
        DestroyWindow(window);
    });
    ASSERT_EQ(WaitForSingleObject(created, 10000), WAIT_OBJECT_0);
    DWORD start = GetTickCount();
    EXPECT_FALSE(SendNullMessage(window));
    EXPECT_LT(GetTickCount() - start, 3000u);
    SetEvent(release);
    blocked.join();
    CloseHandle(created);
    CloseHandle(release);
}
