// Docks: rows and positions of what they hold, their own size, and windows moving between
// docks and floating with their client size kept.
#include <gtest/gtest.h>

#include "components/visual/dock97/h_tool_window97.h"
#include "components/visual/dock97/toolbar97.h"
#include "components/visual/toolbar/toolbar_button.h"
#include "dock_fixture.h"

using DockLayout = DockFixture;

TEST_F(DockLayout, DocksLieAlongTheirEdgesAndTakeNoRoomWhenEmpty) {
    EXPECT_EQ(top->GetHeight(), 0);
    EXPECT_EQ(left->GetWidth(), 0);
    EXPECT_EQ(top->GetWidth(), form.ClientWidth());
    EXPECT_EQ(bottom->GetTop(), form.ClientHeight());
    EXPECT_EQ(right->GetLeft(), form.ClientWidth());
}

TEST_F(DockLayout, WindowsOfOneRowSitSideBySideAndTheDockGrowsToTheTallest) {
    auto* first = MakeWindow(100, 30);
    auto* second = MakeWindow(80, 50);
    first->SetDockedTo(top);
    second->SetDockedTo(top);

    EXPECT_EQ(first->GetLeft(), 0);
    EXPECT_EQ(second->GetLeft(), first->GetWidth());
    EXPECT_EQ(second->GetTop(), 0);
    EXPECT_EQ(top->GetHeight(), OuterHeight(*second, 50));
    EXPECT_EQ(top->RowCount(), 1);
}

TEST_F(DockLayout, RowsStackInOrderAndAreNumberedFromZero) {
    auto* upper = MakeWindow(100, 30);
    auto* lower = MakeWindow(100, 40);
    lower->SetDockedTo(top);
    upper->SetDockedTo(top);
    upper->SetDockRow(2);
    lower->SetDockRow(7);

    EXPECT_EQ(upper->GetDockRow(), 0);
    EXPECT_EQ(lower->GetDockRow(), 1);
    EXPECT_EQ(upper->GetTop(), 0);
    EXPECT_EQ(lower->GetTop(), upper->GetHeight());
    EXPECT_EQ(top->GetHeight(), upper->GetHeight() + lower->GetHeight());
}

TEST_F(DockLayout, AWindowKeepsItsDockPosUnlessTheOneBeforeReachesFurther) {
    auto* first = MakeWindow(100, 30);
    auto* second = MakeWindow(100, 30);
    first->SetDockedTo(top);
    second->SetDockedTo(top);
    second->SetDockPos(300);
    EXPECT_EQ(second->GetLeft(), 300);

    second->SetDockPos(10);
    EXPECT_EQ(second->GetLeft(), first->GetWidth());
    EXPECT_EQ(second->GetDockPos(), first->GetWidth());
}

TEST_F(DockLayout, HidingOrRemovingWindowsGivesBackTheirRoom) {
    auto* window = MakeWindow(100, 30);
    window->SetDockedTo(bottom);
    const int height = bottom->GetHeight();
    EXPECT_GT(height, 0);
    EXPECT_EQ(bottom->GetTop(), form.ClientHeight() - height);

    window->Hide();
    EXPECT_EQ(bottom->GetHeight(), 0);
    window->Show();
    EXPECT_EQ(bottom->GetHeight(), height);

    delete window;
    EXPECT_EQ(bottom->GetHeight(), 0);
    EXPECT_TRUE(bottom->DockedWindows().empty());
}

TEST_F(DockLayout, SideDocksStackDownwardsWithTheGripOnTop) {
    auto* first = MakeWindow(60, 100);
    auto* second = MakeWindow(60, 80);
    first->SetDockedTo(left);
    second->SetDockedTo(left);

    EXPECT_EQ(second->GetTop(), first->GetHeight());
    EXPECT_EQ(second->GetLeft(), 0);
    EXPECT_EQ(left->GetWidth(), first->GetWidth());
    EXPECT_GT(first->FrameInsets().Top, first->FrameInsets().Left);
}

TEST_F(DockLayout, ClientSizeIsKeptThroughDockingAndFloating) {
    auto* window = MakeWindow(120, 45);
    window->SetFloatingPosition({200, 150});
    window->SetDockedTo(top);
    EXPECT_EQ(window->ClientWidth(), 120);
    EXPECT_EQ(window->ClientHeight(), 45);

    window->SetDockedTo(right);
    EXPECT_EQ(window->ClientWidth(), 120);
    EXPECT_EQ(window->GetDockedTo(), right);
    EXPECT_EQ(top->GetHeight(), 0);

    window->SetDockedTo(nullptr);
    EXPECT_TRUE(window->Floating());
    EXPECT_EQ(window->ClientWidth(), 120);
    EXPECT_EQ(window->ClientHeight(), 45);
    EXPECT_EQ(window->GetLeft(), 200);
    EXPECT_EQ(window->GetTop(), 150);
    EXPECT_EQ(right->GetWidth(), 0);
}

TEST_F(DockLayout, ADockTheWindowMayNotGoToIsRefused) {
    auto* window = MakeWindow(100, 30);
    window->SetDockableTo({dpTop, dpBottom});
    window->SetDockedTo(left);
    EXPECT_TRUE(window->Floating());
    window->SetDockedTo(bottom);
    EXPECT_EQ(window->GetDockedTo(), bottom);
}

TEST_F(DockLayout, DockingAndFloatingAreAnnounced) {
    auto* window = MakeWindow(100, 30);
    int dockChanges = 0, moves = 0;
    window->OnDockChanged = [&](TObject*) { ++dockChanges; };
    window->OnMove = [&](TObject*) { ++moves; };
    window->SetDockedTo(top);
    window->SetDockedTo(top);
    EXPECT_EQ(dockChanges, 1);
    EXPECT_GT(moves, 0);
    window->SetDockedTo(nullptr);
    EXPECT_EQ(dockChanges, 2);
}


TEST_F(DockLayout, ADockGoingAwayIsForgottenByTheWindowsThatNameIt) {
    auto* window = new HToolWindow97(&form);
    window->SetTopDock(top);
    delete top;
    EXPECT_EQ(window->GetTopDock(), nullptr);
    window->SetDock(0);
    EXPECT_TRUE(window->Floating());
}

class ToolbarLayout : public DockFixture {
protected:
    ToolbarLayout() {
        toolbar = new TToolbar97(&form);
        for (int width : {23, 30, 40}) {
            auto* button = new TCustomToolbarButton97(&form);
            button->SetBounds(0, 0, width, 22);
            button->SetParent(toolbar);
        }
        toolbar->ArrangeButtons();
    }
    TControl* Button(int i) const { return toolbar->Controls(i); }

    TToolbar97* toolbar;
};

TEST_F(ToolbarLayout, ButtonsLieInARowAndTheClientAreaFitsThem) {
    EXPECT_EQ(Button(0)->GetLeft(), 0);
    EXPECT_EQ(Button(1)->GetLeft(), 23);
    EXPECT_EQ(Button(2)->GetLeft(), 53);
    EXPECT_EQ(toolbar->ClientWidth(), 93);
    EXPECT_EQ(toolbar->ClientHeight(), 22);
}

TEST_F(ToolbarLayout, OnASideDockTheButtonsGoDownwards) {
    toolbar->SetDockedTo(left);
    EXPECT_TRUE(toolbar->Vertical());
    EXPECT_EQ(Button(1)->GetTop(), 22);
    EXPECT_EQ(Button(1)->GetLeft(), 0);
    EXPECT_EQ(toolbar->ClientWidth(), 40);
    EXPECT_EQ(toolbar->ClientHeight(), 66);

    toolbar->SetDockedTo(top);
    EXPECT_EQ(toolbar->ClientWidth(), 93);
    EXPECT_EQ(top->GetHeight(), OuterHeight(*toolbar, 22));
}

TEST_F(ToolbarLayout, AHiddenButtonTakesNoRoom) {
    Button(1)->Hide();
    toolbar->ArrangeButtons();
    EXPECT_EQ(Button(2)->GetLeft(), 23);
    EXPECT_EQ(toolbar->ClientWidth(), 63);
}
