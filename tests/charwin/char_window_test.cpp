#include "char_fixture.h"
#include "tests/win32/rendering.h"

#include <string>

namespace {

std::wstring ClassOf(HWND wnd) {
    wchar_t name[64] = {};
    GetClassNameW(wnd, name, 64);
    return name;
}

std::wstring TitleOf(HWND wnd) {
    wchar_t title[64] = {};
    GetWindowTextW(wnd, title, 64);
    return title;
}

using TheCharWindow = CharWindowFixture;

TEST_F(TheCharWindow, IsMadeOnceWithItsClassAndTitle) {
    HWND wnd = CharWindow();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(CreateCharWindow(), wnd);
    EXPECT_EQ(ClassOf(wnd), L"OSKCharClass");
    EXPECT_EQ(TitleOf(wnd), L"OSKCharWindow");
    EXPECT_EQ(FindWindowW(L"OSKCharClass", L"OSKCharWindow"), wnd);
}

TEST_F(TheCharWindow, FloatsWithoutATaskbarButton) {
    const LONG_PTR exStyle = GetWindowLongPtrW(CharWindow(), GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    const LONG_PTR style = GetWindowLongPtrW(CharWindow(), GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_BORDER | WS_CAPTION), WS_POPUP | WS_BORDER);
}

TEST_F(TheCharWindow, ClassRedrawsOnResizeOnAWhiteBackground) {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"OSKCharClass", &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(info.hbrBackground, GetStockObject(WHITE_BRUSH));
}

TEST_F(TheCharWindow, ParksHiddenAt850By350) {
    SetWindowPos(FormWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ParkCharWindow(FormWnd());
    const RECT parked = WindowRectOf(CharWindow());
    EXPECT_EQ(parked.left, 850);
    EXPECT_EQ(parked.top, 350);
    EXPECT_EQ(parked.right - parked.left, 100);
    EXPECT_EQ(parked.bottom - parked.top, 100);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(GetWindow(FormWnd(), GW_HWNDNEXT), CharWindow());
    EXPECT_EQ(GetWindowLongPtrW(CharWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
}

TEST_F(TheCharWindow, PaintsTheCaptionInDarkPixels) {
    ShowKey("W");
    UpdateWindow(CharWindow());
    ProcessMessages();
    const TRendering shown = TRendering::OnScreen(CharWindow());
    RECT client;
    GetClientRect(CharWindow(), &client);
    const int dark = shown.Count(client, IsDark);
    const int white = shown.Count(client, [](COLORREF c) { return c == RGB(255, 255, 255); });
    EXPECT_GT(dark, 20);
    EXPECT_GT(white, dark);
}

TEST_F(TheCharWindow, PaintsNothingDarkWithoutCaption) {
    ShowKey("W");
    ShowKey("");
    ShowWindow(CharWindow(), SW_SHOWNA);
    txtChar->SetCaption("");
    InvalidateRect(CharWindow(), nullptr, TRUE);
    UpdateWindow(CharWindow());
    const TRendering shown = TRendering::OnScreen(CharWindow());
    RECT client;
    GetClientRect(CharWindow(), &client);
    EXPECT_EQ(shown.Count(client, IsDark), 0);
    ShowWindow(CharWindow(), SW_HIDE);
}

}  // namespace
