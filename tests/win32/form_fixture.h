// A shown form holding a scroll box with an edit and a label, as the tests of the Windows layer use it.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "support/framework/scroll_box.h"
#include "support/win32/form.h"
#include "support/win32/message_loop.h"
#include "support/win32/window_system.h"

inline HWND WndOf(TWinControl& control) { return static_cast<HWND>(control.Handle()); }

// The window's rectangle in the client coordinates of its parent (screen coordinates for top-level windows).
inline RECT BoundsOf(HWND wnd) {
    RECT bounds;
    GetWindowRect(wnd, &bounds);
    if (HWND parent = GetParent(wnd)) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

inline bool HasStyle(HWND wnd, LONG_PTR style) { return (GetWindowLongPtrW(wnd, GWL_STYLE) & style) == style; }

class FormFixture : public ::testing::Test {
protected:
    FormFixture() {
        InstallWin32WindowSystem();
        form.SetBounds(100, 80, 420, 320);
        form.SetCaption("Fixture");
        box = new TScrollBox(&form);
        box->SetParent(&form);
        box->SetBounds(10, 20, 300, 200);
        box->SetColor(clWhite);
        edit = new TEdit(&form);
        edit->SetParent(box);
        edit->SetBounds(5, 6, 100, 21);
        label = new TLabel(&form);
        label->SetParent(box);
        label->SetBounds(20, 60, 150, 30);
    }

    void ShowForm() {
        form.Show();
        ProcessMessages();
    }

    TForm form{nullptr};
    TScrollBox* box;
    TEdit* edit;
    TLabel* label;
};
