// A shown form as the keyboard, its hidden model label and timer, and the character window.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "components/config/cfg_storage.h"
#include "runtime/chars/char_window.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"
#include "support/win32/window_system.h"

inline RECT WindowRectOf(HWND wnd) {
    RECT bounds;
    GetWindowRect(wnd, &bounds);
    return bounds;
}

// Pumps messages until done() holds or the time is up; the time it took.
inline std::chrono::milliseconds PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] { return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start); };
    while (!done() && elapsed() < limit) {
        ProcessMessages();
        Sleep(5);
    }
    return elapsed();
}

inline void PumpFor(std::chrono::milliseconds time) {
    PumpUntil([] { return false; }, time);
}

class CharWindowFixture : public ::testing::Test {
protected:
    CharWindowFixture() {
        InstallWin32WindowSystem();
        form.SetBounds(300, 400, 360, 160);
        form.SetCaption("Keyboard");
        txtChar->SetParent(&form);
        txtChar->Hide();
        txtChar->GetFont()->SetCharset(204);
        tmChar->SetEnabled(false);
        tmChar->SetInterval(3000);
        tmChar->OnTimer = [this](TObject* sender) { display.tmCharTimer(sender); };
        key->SetParent(&form);
        key->SetCaption("A");
        form.Show();
        ProcessMessages();
        CreateCharWindow();
    }
    ~CharWindowFixture() override {
        display.tmCharTimer(nullptr);
        ProcessMessages();
    }

    HWND FormWnd() { return static_cast<HWND>(form.Handle()); }
    bool Shown() const { return IsWindowVisible(CharWindow()) != FALSE; }
    void ShowKey(const std::string& caption) {
        key->SetCaption(caption);
        display.ShowPressedChar(key);
    }

    TForm form{nullptr};
    HCfgStorage cfg{nullptr};
    TLabel* txtChar = new TLabel(&form);
    TTimer* tmChar = new TTimer(&form);
    TLabel* key = new TLabel(&form);
    TCharDisplay display{cfg, *txtChar, *tmChar, form};
};
