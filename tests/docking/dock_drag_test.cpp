// Dragging by the grip or caption: floating windows follow the mouse, a release over a dock
// docks there at the row and place under the mouse, a release elsewhere floats.
#include <gtest/gtest.h>

#include "dock_fixture.h"

class DockDrag : public DockFixture {
protected:
    // A screen point in a dock's client coordinates.
    static TPoint On(const TDock97& dock, int x, int y) { return dock.ClientToScreen({x, y}); }
    static void Drag(TCustomDockableWindow97& window, TPoint from, TPoint to) {
        window.BeginDrag(from);
        window.DragTo({(from.X + to.X) / 2, (from.Y + to.Y) / 2});
        window.DragTo(to);
        window.EndDrag(to);
    }
    // A point on the caption of a floating window.
    static TPoint Caption(const TCustomDockableWindow97& window) {
        const TRect bounds = window.ScreenBounds();
        return {bounds.Left + 20, bounds.Top + window.FrameInsets().Top / 2};
    }
    static TPoint Grip(const TCustomDockableWindow97& window) {
        const TRect bounds = window.ScreenBounds();
        return {bounds.Left + 4, bounds.Top + 4};
    }
};

TEST_F(DockDrag, AFloatingWindowFollowsTheMouseAwayFromDocks) {
    auto* window = MakeWindow(100, 60);
    window->SetFloatingPosition({300, 300});
    const TPoint grab = Caption(*window);
    window->BeginDrag(grab);
    window->DragTo({grab.X + 40, grab.Y + 25});
    EXPECT_EQ(window->GetLeft(), 340);
    EXPECT_EQ(window->GetTop(), 325);
    window->EndDrag({grab.X + 50, grab.Y + 30});
    EXPECT_TRUE(window->Floating());
    EXPECT_EQ(window->GetLeft(), 350);
    EXPECT_FALSE(window->Dragging());
}

TEST_F(DockDrag, ReleasedOverAnEmptyDockTheWindowDocksThere) {
    auto* window = MakeWindow(100, 60);
    window->SetFloatingPosition({300, 300});
    Drag(*window, Caption(*window), On(*top, 150, 2));
    EXPECT_EQ(window->GetDockedTo(), top);
    EXPECT_EQ(window->ClientWidth(), 100);
    EXPECT_EQ(window->ClientHeight(), 60);
    EXPECT_GT(top->GetHeight(), 0);
}

TEST_F(DockDrag, TheGrabbedPointStaysUnderTheMouseAlongTheDock) {
    auto* window = MakeWindow(100, 60);
    window->SetDockedTo(bottom);
    const TPoint grip = Grip(*window);
    Drag(*window, grip, {grip.X + 120, grip.Y});
    EXPECT_EQ(window->GetDockedTo(), bottom);
    EXPECT_EQ(window->GetLeft(), 120);
    EXPECT_EQ(window->GetDockPos(), 120);
}

TEST_F(DockDrag, ReleasedBelowTheLastRowTheWindowStartsANewRow) {
    auto* first = MakeWindow(100, 30);
    auto* second = MakeWindow(100, 30);
    first->SetDockedTo(top);
    second->SetFloatingPosition({300, 300});
    Drag(*second, Caption(*second), On(*top, 10, top->GetHeight() + 2));
    EXPECT_EQ(second->GetDockedTo(), top);
    EXPECT_EQ(second->GetDockRow(), 1);
    EXPECT_EQ(first->GetDockRow(), 0);
    EXPECT_EQ(second->GetTop(), first->GetHeight());
}

TEST_F(DockDrag, ReleasedAboveTheFirstRowTheWindowGoesFirst) {
    auto* first = MakeWindow(100, 30);
    auto* second = MakeWindow(100, 30);
    first->SetDockedTo(bottom);
    second->SetFloatingPosition({300, 100});
    Drag(*second, Caption(*second), On(*bottom, 10, -3));
    EXPECT_EQ(second->GetDockedTo(), bottom);
    EXPECT_EQ(second->GetDockRow(), 0);
    EXPECT_EQ(first->GetDockRow(), 1);
}

TEST_F(DockDrag, DraggedOffItsDockTheWindowFloatsWhereItWasDropped) {
    auto* window = MakeWindow(100, 60);
    window->SetDockedTo(top);
    const TPoint grip = Grip(*window);
    const TPoint drop = On(*top, 250, 200);
    const int grabbedX = grip.X - window->ScreenBounds().Left;
    Drag(*window, grip, drop);
    EXPECT_TRUE(window->Floating());
    EXPECT_EQ(top->GetHeight(), 0);
    EXPECT_EQ(window->GetLeft(), drop.X - grabbedX);
    EXPECT_EQ(window->ClientWidth(), 100);
}

TEST_F(DockDrag, ADockTheWindowMayNotGoToDoesNotTakeIt) {
    auto* window = MakeWindow(60, 100);
    window->SetDockableTo({dpTop, dpBottom});
    window->SetFloatingPosition({300, 300});
    Drag(*window, Caption(*window), On(*left, 2, 150));
    EXPECT_TRUE(window->Floating());
}

TEST_F(DockDrag, WithoutADragMovesAndReleasesDoNothing) {
    auto* window = MakeWindow(100, 60);
    window->SetFloatingPosition({300, 300});
    window->DragTo({10, 10});
    window->EndDrag(On(*top, 10, 2));
    EXPECT_TRUE(window->Floating());
    EXPECT_EQ(window->GetLeft(), 300);
}
