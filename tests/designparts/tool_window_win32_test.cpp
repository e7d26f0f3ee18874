// The tool window's window: the caption bar and its close button as painted, and a click on
// the button.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/visual/toolwindow/h_window_peer_win32.h"
#include "support/win32/form.h"
#include "support/win32/gdi_color.h"
#include "window_pixels_win32.h"

namespace {
class ToolWindowWindow : public ::testing::Test {
protected:
    ToolWindowWindow() {
        InstallToolWindowWindowing();
        form.SetBounds(10, 10, 400, 300);
        window->SetParent(&form);
        window->SetCaption("Object inspector");
        window->SetWidth(150);
        window->SetAlign(alLeft);
        window->SetCaptionColor(clNavy);
        window->SetColor(clSilver);
        form.HandleNeeded();
    }
    HWND Wnd() { return static_cast<HWND>(window->Handle()); }
    LPARAM At(TPoint p) { return MAKELPARAM(p.X, p.Y); }

    TForm form{nullptr};
    HWindow* window = new HWindow(&form);
};

TEST_F(ToolWindowWindow, TheCaptionBarIsPaintedAboveTheClientAreaWithItsCloseButton) {
    const TWindowPixels pixels(Wnd(), window->GetWidth(), window->GetHeight());
    EXPECT_EQ(pixels.At(window->GetWidth() - 30, 2), ColorRefOf(clNavy));
    EXPECT_EQ(pixels.At(20, window->GetHeight() - 5), ColorRefOf(clSilver));
    const TRect close = window->CloseButtonRect();
    // The button is drawn in the button colours, not in the bar's.
    EXPECT_NE(pixels.At(close.Left + 1, close.Top + 1), ColorRefOf(clNavy));
    // The caption text shows in the text colour somewhere near the start of the bar.
    int textPixels = 0;
    for (int x = 4; x < 80; ++x)
        for (int y = 2; y < 16; ++y) textPixels += pixels.At(x, y) != ColorRefOf(clNavy);
    EXPECT_GT(textPixels, 10);
}

TEST_F(ToolWindowWindow, TheWindowFillsItsSideOfTheForm) {
    RECT bounds{};
    GetWindowRect(Wnd(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 150);
    EXPECT_EQ(window->GetHeight(), form.ClientHeight());
}

TEST_F(ToolWindowWindow, AClickOnTheCloseButtonHidesTheWindow) {
    int closes = 0;
    window->OnClose = [&closes](TObject*, TCloseAction&) { ++closes; };
    EXPECT_TRUE(GetWindowLongW(Wnd(), GWL_STYLE) & WS_VISIBLE);
    const TRect close = window->CloseButtonRect();
    const TPoint center{(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2};
    SendMessageW(Wnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(center));
    SendMessageW(Wnd(), WM_LBUTTONUP, 0, At(center));
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(window->GetVisible());
    EXPECT_FALSE(GetWindowLongW(Wnd(), GWL_STYLE) & WS_VISIBLE);
}
}  // namespace
