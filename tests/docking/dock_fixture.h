// A root control standing for a form, with a dock on each edge, as the docking tests use it.
#pragma once
#include <gtest/gtest.h>

#include "components/visual/dock97/dock97.h"
#include "components/visual/dock97/tool_window97.h"

class DockFixture : public ::testing::Test {
protected:
    DockFixture() {
        form.SetBounds(100, 100, 640, 480);
        form.Hide();
        top = MakeDock(dpTop);
        bottom = MakeDock(dpBottom);
        left = MakeDock(dpLeft);
        right = MakeDock(dpRight);
        // With a window system the form's window exists from the start, so that screen
        // positions do not shift when the first floating window makes it.
        if (HasWindowSystem()) form.HandleNeeded();
    }

    TDock97* MakeDock(TDockPosition position) {
        auto* dock = new TDock97(&form);
        dock->SetPosition(position);
        dock->SetParent(&form);
        return dock;
    }

    // A tool window of the form with that client size, floating at first.
    template <class Window = TToolWindow97>
    Window* MakeWindow(int clientWidth, int clientHeight) {
        auto* window = new Window(&form);
        window->SetClientWidth(clientWidth);
        window->SetClientHeight(clientHeight);
        return window;
    }

    static int OuterWidth(const TCustomDockableWindow97& w, int clientWidth) {
        const TRect frame = w.FrameInsets();
        return clientWidth + frame.Left + frame.Right;
    }
    static int OuterHeight(const TCustomDockableWindow97& w, int clientHeight) {
        const TRect frame = w.FrameInsets();
        return clientHeight + frame.Top + frame.Bottom;
    }

    TWinControl form{nullptr};
    TDock97* top;
    TDock97* bottom;
    TDock97* left;
    TDock97* right;
};
