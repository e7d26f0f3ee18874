// Form placement on real windows: the screen, window states and frames as Windows reports them.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/config/storage_helpers.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"
#include "support/win32/window_system.h"

namespace {
HWND WndOf(TWinControl& control) { return static_cast<HWND>(control.Handle()); }
}  // namespace

class Win32FormPos : public ::testing::Test {
protected:
    Win32FormPos() {
        InstallWin32WindowSystem();
        form.SetBounds(40, 30, 300, 200);
    }
    void ShowForm() {
        form.Show();
        ProcessMessages();
    }

    TForm form{nullptr};
    HConfigItem key;
    const HFormWindowing& windowing = SystemFormWindowing();
};

TEST_F(Win32FormPos, ScreenIsTheFullScreenClientArea) {
    const TPoint screen = windowing.ScreenSize();
    EXPECT_EQ(screen.X, GetSystemMetrics(SM_CXFULLSCREEN));
    EXPECT_EQ(screen.Y, GetSystemMetrics(SM_CYFULLSCREEN));
    EXPECT_GT(screen.X, 0);
    EXPECT_GT(screen.Y, 0);
}

TEST_F(Win32FormPos, FormWithoutAWindowIsNormalAndSizeable) {
    EXPECT_EQ(windowing.WindowState(form), hwsNormal);
    EXPECT_TRUE(windowing.IsSizeable(form));
}

TEST_F(Win32FormPos, StoredMaximisedStateMaximisesAShownForm) {
    ShowForm();
    key.Write("WindowState", 2);
    HLoadFormPos(&key, &form);
    ProcessMessages();
    EXPECT_TRUE(IsZoomed(WndOf(form)));
    EXPECT_EQ(windowing.WindowState(form), hwsMaximized);

    HConfigItem saved;
    HSaveFormPos(&saved, &form);
    EXPECT_EQ(saved.Read("WindowState", -1), 2);

    windowing.SetWindowState(form, hwsNormal);
    ProcessMessages();
    EXPECT_FALSE(IsZoomed(WndOf(form)));
}

TEST_F(Win32FormPos, MinimisedStateIsReported) {
    ShowForm();
    windowing.SetWindowState(form, hwsMinimized);
    ProcessMessages();
    EXPECT_TRUE(IsIconic(WndOf(form)));
    EXPECT_EQ(windowing.WindowState(form), hwsMinimized);
}

TEST_F(Win32FormPos, HiddenFormIsNotShownByAState) {
    form.HandleNeeded();
    windowing.SetWindowState(form, hwsMaximized);
    EXPECT_FALSE(IsWindowVisible(WndOf(form)));
    EXPECT_FALSE(form.GetVisible());
}

TEST_F(Win32FormPos, FrameWithoutSizingBorderIsNotSizeable) {
    ShowForm();
    EXPECT_TRUE(windowing.IsSizeable(form));
    HWND wnd = WndOf(form);
    SetWindowLongPtrA(wnd, GWL_STYLE, GetWindowLongPtrA(wnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_THICKFRAME));
    EXPECT_FALSE(windowing.IsSizeable(form));
}

TEST_F(Win32FormPos, FormBeyondTheScreenIsPulledBackOnIt) {
    const TPoint screen = windowing.ScreenSize();
    key.Write("X", screen.X + 500);
    key.Write("Y", screen.Y + 500);
    key.Write("W", 320);
    key.Write("H", 240);
    HLoadFormPos(&key, &form);
    EXPECT_EQ(form.GetLeft(), screen.X - 320);
    EXPECT_EQ(form.GetTop(), screen.Y - 240);
    EXPECT_EQ(form.GetWidth(), 320);
    EXPECT_EQ(form.GetHeight(), 240);
}
