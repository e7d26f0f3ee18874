#include <gtest/gtest.h>

#include "controls_fixture.h"
#include "support/controls/bevel.h"
#include "support/controls/splitter.h"

namespace {
TEST(PanelTest, AlignedChildrenStayInsideTheBevels) {
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 200, 100);
    panel.SetBevelInner(bvLowered);
    panel.SetBevelWidth(2);
    auto* inside = new TPanel(&panel);
    inside->SetParent(&panel);
    inside->SetAlign(alClient);
    EXPECT_EQ(inside->GetLeft(), 4);
    EXPECT_EQ(inside->GetTop(), 4);
    EXPECT_EQ(inside->GetWidth(), 192);
    EXPECT_EQ(inside->GetHeight(), 92);
    panel.SetBevelOuter(bvNone);
    panel.SetBevelInner(bvNone);
    EXPECT_EQ(inside->GetLeft(), 0);
    EXPECT_EQ(inside->GetWidth(), 200);
}

// Three panels side by side with a splitter between the first two, on a shown form; the drag
// is the mouse messages the form's window gets.
class SplitterTest : public ControlsFixture {
protected:
    SplitterTest() {
        form.SetClientWidth(400);
        form.SetClientHeight(200);
        left = AddPanel(alLeft, 100);
        splitter = new TSplitter(&form);
        splitter->SetParent(&form);
        splitter->SetBounds(100, 0, 4, 200);
        splitter->SetMinSize(40);
        splitter->OnMoved = [this](TObject*) { ++moves; };
        rest = AddPanel(alClient, 0);
        ShowForm();
    }
    TPanel* AddPanel(TAlign align, int width) {
        auto* panel = new TPanel(&form);
        panel->SetWidth(width);
        panel->SetParent(&form);
        panel->SetAlign(align);
        return panel;
    }
    // Presses on the splitter's middle, moves the mouse by dx, dy there and releases it.
    void Drag(int dx, int dy) {
        const HWND wnd = WndOf(form);
        const int x = splitter->GetLeft() + splitter->GetWidth() / 2, y = splitter->GetTop() + splitter->GetHeight() / 2;
        SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx / 2, y + dy / 2));
        SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx, y + dy));
        SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x + dx, y + dy));
        ProcessMessages();
    }

    TPanel* left;
    TSplitter* splitter;
    TPanel* rest;
    int moves = 0;
};

TEST_F(SplitterTest, DraggingResizesTheNeighbourAndTheRestFollows) {
    ASSERT_EQ(splitter->Neighbour(), left);
    Drag(60, 0);
    EXPECT_EQ(left->GetWidth(), 160);
    EXPECT_EQ(splitter->GetLeft(), 160);
    EXPECT_EQ(rest->GetLeft(), 164);
    EXPECT_EQ(rest->GetWidth(), 400 - 164);
    EXPECT_EQ(moves, 1);
    Drag(-30, 0);
    EXPECT_EQ(left->GetWidth(), 130);
    EXPECT_EQ(moves, 2);
}

TEST_F(SplitterTest, NeitherSideGetsSmallerThanMinSize) {
    Drag(-500, 0);
    EXPECT_EQ(left->GetWidth(), 40);
    Drag(1000, 0);
    EXPECT_EQ(rest->GetWidth(), 40);
    EXPECT_EQ(left->GetWidth(), 400 - 4 - 40);
}

TEST_F(SplitterTest, AClickWithoutMovingIsNoMove) {
    Drag(0, 0);
    EXPECT_EQ(left->GetWidth(), 100);
    EXPECT_EQ(moves, 0);
}

TEST_F(SplitterTest, WithoutANeighbourADragChangesNothing) {
    left->SetVisible(false);
    EXPECT_EQ(splitter->Neighbour(), nullptr);
    Drag(50, 0);
    EXPECT_EQ(left->GetWidth(), 100);
    EXPECT_EQ(moves, 0);
}

TEST_F(SplitterTest, BottomSplitterResizesTheControlBelowIt) {
    auto* bottom = AddPanel(alBottom, 0);
    bottom->SetHeight(50);
    auto* bar = new TSplitter(&form);
    bar->SetParent(&form);
    bar->SetAlign(alBottom);
    bar->SetHeight(5);
    // Aligned after the bottom panel, the bar sits just above it.
    ASSERT_EQ(bar->Neighbour(), bottom);
    const HWND wnd = WndOf(form);
    const int x = 200, y = bar->GetTop() + 2;
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y - 30));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y - 30));
    EXPECT_EQ(bottom->GetHeight(), 80);
    EXPECT_EQ(bar->GetTop() + bar->GetHeight(), bottom->GetTop());
}
}  // namespace
