// Mouse input a container hands on to its children without windows.
#include <gtest/gtest.h>

#include "support/framework/std_controls.h"

namespace {
TInputEvent Mouse(TInputKind kind, TPoint point, TMouseButton button = mbLeft) {
    TInputEvent input;
    input.Kind = kind;
    input.Point = point;
    input.Button = button;
    return input;
}

class ChildMouse : public ::testing::Test {
protected:
    ChildMouse() {
        left->SetParent(&container);
        left->SetBounds(0, 0, 50, 20);
        right->SetParent(&container);
        right->SetBounds(60, 0, 50, 20);
        left->OnClick = [this](TObject*) { clicks.push_back("left"); };
        right->OnClick = [this](TObject*) { clicks.push_back("right"); };
        left->OnDblClick = [this](TObject*) { clicks.push_back("left twice"); };
    }
    void Press(TPoint down, TPoint up) {
        container.RouteChildMouse(Mouse(TInputKind::MouseDown, down));
        container.RouteChildMouse(Mouse(TInputKind::MouseMove, up));
        container.RouteChildMouse(Mouse(TInputKind::MouseUp, up));
    }
    TWinControl container{nullptr};
    TLabel* left = new TLabel(&container);
    TLabel* right = new TLabel(&container);
    std::vector<std::string> clicks;
};

TEST_F(ChildMouse, AClickIsAPressAndAReleaseOverTheSameChild) {
    Press({5, 5}, {6, 6});
    Press({5, 5}, {70, 5});
    container.RouteChildMouse(Mouse(TInputKind::DoubleClick, {5, 5}));
    container.RouteChildMouse(Mouse(TInputKind::MouseUp, {5, 5}));
    EXPECT_EQ(clicks, (std::vector<std::string>{"left", "left twice", "left"}));
}

TEST_F(ChildMouse, OnlyTheLeftButtonAndOnlyChildrenAreTaken) {
    EXPECT_FALSE(container.RouteChildMouse(Mouse(TInputKind::MouseDown, {5, 5}, mbRight)));
    EXPECT_FALSE(container.RouteChildMouse(Mouse(TInputKind::MouseDown, {55, 5})));
    EXPECT_TRUE(container.RouteChildMouse(Mouse(TInputKind::MouseDown, {5, 5})));
    EXPECT_TRUE(container.RouteChildMouse(Mouse(TInputKind::CaptureLost, {})));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ChildMouse, AChildThatGoesWhileHeldIsForgotten) {
    container.RouteChildMouse(Mouse(TInputKind::MouseDown, {5, 5}));
    EXPECT_EQ(container.HoveredChild(), left);
    delete left;
    EXPECT_EQ(container.HoveredChild(), nullptr);
    EXPECT_FALSE(container.RouteChildMouse(Mouse(TInputKind::MouseUp, {5, 5})));
}
}  // namespace
