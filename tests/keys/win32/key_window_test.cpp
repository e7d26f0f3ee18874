#include <windows.h>

#include <gtest/gtest.h>

#include "components/visual/toolbar/toolbar_button_win32.h"
#include "keys/keyboard_platform.h"
#include "keys/osk_keys.h"
#include "keys/osk_messages.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"
#include "support/win32/window_system.h"
#include "tests/win32/rendering.h"

namespace {
// A window that records the keys posted to it and answers setting queries from a table.
class THostWindow {
public:
    THostWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &THostWindow::Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"KeyTestHost";
        RegisterClassW(&windowClass);
        wnd_ = CreateWindowW(L"KeyTestHost", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~THostWindow() { DestroyWindow(wnd_); }
    HWND Wnd() const { return wnd_; }

    std::vector<WPARAM> Pressed;
    std::vector<std::string> Queries;
    LRESULT IgnoreCA = 1;

private:
    static LRESULT CALLBACK Procedure(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* host = reinterpret_cast<THostWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
        if (host && message == WM_OSK_KEYPRESSED) {
            host->Pressed.push_back(wParam);
            return 0;
        }
        if (host && message == WM_OSK_GETSETTING) {
            host->Queries.emplace_back(reinterpret_cast<const char*>(wParam));
            return host->IgnoreCA;
        }
        return DefWindowProcW(wnd, message, wParam, lParam);
    }
    HWND wnd_;
};

class KeyWindow : public ::testing::Test {
protected:
    KeyWindow() {
        InstallWin32WindowSystem();
        InstallToolbarButtonWindowing();
        form.SetBounds(120, 90, 300, 200);
        form.SetColor(clWhite);
        key = new OSKKeyCmd(&form);
        key->SetParent(&form);
        key->SetBounds(20, 30, 120, 60);
        key->SetColor(clWhite);
        key->SetParentFont(false);
        key->GetFont()->SetName("Tahoma");
        key->GetFont()->SetHeight(-28);
        key->GetFont()->SetStyle({fsBold});
        key->GetFont()->SetColor(clBlack);
        key->SetHostWindow(host.Wnd());
        form.Show();
        ProcessMessages();
    }

    HWND FormWnd() { return static_cast<HWND>(form.Handle()); }
    TRendering Printed() { return TRendering::Printed(FormWnd()); }
    RECT KeyRect() const { return {20, 30, 140, 90}; }
    void Mouse(UINT message, int x, int y) {
        SendMessageW(FormWnd(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    }
    // Runs the message loop for a while, so that timers and posted messages arrive.
    static void Pump(DWORD milliseconds) {
        const DWORD end = GetTickCount() + milliseconds;
        while (GetTickCount() < end) {
            ProcessMessages();
            Sleep(5);
        }
    }

    THostWindow host;
    TForm form{nullptr};
    OSKKeyCmd* key;
};

TEST_F(KeyWindow, TheCaptionIsDrawnInsideTheKey) {
    key->SetKeyLabel("WW");
    const TRendering rendering = Printed();

    EXPECT_GT(rendering.Count(KeyRect(), IsDark), 60);
    EXPECT_EQ(rendering.Count(KeyRect(), IsDark, false), 0);
}

TEST_F(KeyWindow, AKeyWithoutCaptionDrawsNoText) {
    key->SetKeyLabel("");
    const TRendering rendering = Printed();

    EXPECT_EQ(rendering.Count(KeyRect(), IsDark), 0);
}

TEST_F(KeyWindow, TheCoverColourFillsTheKeyWhileTheMouseHoldsIt) {
    key->SetCoverColor(clRed);
    Mouse(WM_LBUTTONDOWN, 50, 50);
    const TRendering held = Printed();
    Mouse(WM_LBUTTONUP, 50, 50);
    const TRendering released = Printed();

    const auto isRed = [](COLORREF c) { return c == RGB(255, 0, 0); };
    EXPECT_GT(held.Count(KeyRect(), isRed), 100 * 40);
    EXPECT_EQ(released.Count(KeyRect(), isRed), 0);
}

TEST_F(KeyWindow, AClickOnTheFormPostsKeyPressedToTheHost) {
    Mouse(WM_LBUTTONDOWN, 50, 50);
    Mouse(WM_LBUTTONUP, 52, 51);
    Pump(50);

    ASSERT_EQ(host.Pressed.size(), 1u);
    EXPECT_EQ(host.Pressed[0], reinterpret_cast<WPARAM>(static_cast<OSKCustomKey*>(key)));
}

TEST_F(KeyWindow, AClickBesideTheKeyPostsNothing) {
    Mouse(WM_LBUTTONDOWN, 200, 150);
    Mouse(WM_LBUTTONUP, 200, 150);
    Mouse(WM_LBUTTONDOWN, 50, 50);
    Mouse(WM_LBUTTONUP, 200, 150);
    Pump(50);

    EXPECT_TRUE(host.Pressed.empty());
}

TEST_F(KeyWindow, AHeldRepeatingKeyRepeatsOnTheMessageLoopsTimer) {
    key->SetRepeating(true);
    key->SetRepeatDelay(60);
    key->SetRepeatInterval(30);
    Mouse(WM_LBUTTONDOWN, 50, 50);
    Pump(400);
    Mouse(WM_LBUTTONUP, 50, 50);
    Pump(50);
    const size_t afterRelease = host.Pressed.size();
    Pump(200);

    EXPECT_GE(afterRelease, 4u);
    EXPECT_EQ(host.Pressed.size(), afterRelease);
}

TEST_F(KeyWindow, CharacterKeysAskTheHostThroughTheWindowsKeyboard) {
    auto* letter = new OSKKey(&form);
    letter->SetHostWindow(host.Wnd());
    letter->SetKeyLabel("b");
    EXPECT_EQ(letter->GetKeyCode(), 'B');
    EXPECT_EQ(letter->GetCaption(), "B");

    BYTE state[256] = {};
    letter->UpdateFromKeyboard(state, GetKeyboardLayout(0));

    EXPECT_EQ(letter->GetCaption(), "b");
    ASSERT_EQ(host.Queries.size(), 1u);
    EXPECT_EQ(host.Queries[0], "IgnoreCA");
}
}  // namespace
