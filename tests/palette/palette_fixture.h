// A shown form for the tab controls under test, and the mouse and notification messages a
// user's actions send their windows.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "support/framework/control.h"
#include "support/win32/form.h"

class TCustomTabControl;

class PaletteFixture : public ::testing::Test {
protected:
    PaletteFixture();

    void ShowForm();
    static HWND WndOf(TWinControl& control) { return static_cast<HWND>(control.Handle()); }
    // A left click in the middle of a windowless control, sent to its parent's window.
    static void ClickControl(TControl& control);
    // A left click at a client position of a window.
    static void ClickAt(TWinControl& window, int x, int y);
    // The window switches to tab index and tells its parent, as after a click on that tab.
    static void SelectTabInWindow(TCustomTabControl& tabs, int index);
    // What the window answers its parent when asked whether the current tab may be left.
    static LRESULT AskToLeaveTab(TCustomTabControl& tabs);

    TForm form{nullptr};
};
