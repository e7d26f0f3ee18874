// Child order (stacking and stream order) and tab order are apart; the control at a position.
#include <gtest/gtest.h>

#include "support/framework/std_controls.h"

namespace {
class ChildOrder : public ::testing::Test {
protected:
    ChildOrder() {
        for (TControl* c : {static_cast<TControl*>(first), static_cast<TControl*>(label), static_cast<TControl*>(second)}) {
            c->SetParent(&container);
            c->SetBounds(10, 10, 50, 20);
        }
        inner->SetParent(second);
        inner->SetBounds(5, 5, 10, 10);
    }
    std::vector<TControl*> Children() const {
        std::vector<TControl*> children;
        for (int i = 0; i < container.ControlCount(); ++i) children.push_back(container.Controls(i));
        return children;
    }
    TWinControl container{nullptr};
    TEdit* first = new TEdit(&container);
    TLabel* label = new TLabel(&container);
    TEdit* second = new TEdit(&container);
    TLabel* inner = new TLabel(&container);
};

TEST_F(ChildOrder, TabOrderMovesNoControlInTheStackingOrder) {
    second->SetTabOrder(0);
    EXPECT_EQ(second->GetTabOrder(), 0);
    EXPECT_EQ(first->GetTabOrder(), 1);
    EXPECT_EQ(Children(), (std::vector<TControl*>{first, label, second}));
    first->SetTabOrder(99);
    EXPECT_EQ(first->GetTabOrder(), 1);
}

TEST_F(ChildOrder, BringingToFrontAndSendingToBackLeaveTheTabOrder) {
    first->BringToFront();
    EXPECT_EQ(Children(), (std::vector<TControl*>{label, second, first}));
    second->SendToBack();
    EXPECT_EQ(Children(), (std::vector<TControl*>{second, label, first}));
    EXPECT_EQ(first->GetTabOrder(), 0);
    delete first;
    EXPECT_EQ(second->GetTabOrder(), 0);
}

TEST_F(ChildOrder, TheControlAtAPositionIsTheTopmostAndCanBeLookedForEverywhere) {
    EXPECT_EQ(container.ControlAtPos({20, 20}), second);
    EXPECT_EQ(container.ControlAtPos({20, 20}, TControlAtPosOptions{false, false, true}), inner);
    second->SetEnabled(false);
    label->SetVisible(false);
    EXPECT_EQ(container.ControlAtPos({20, 20}), first);
    EXPECT_EQ(container.ControlAtPos({20, 20}, TControlAtPosOptions{true}), second);
    EXPECT_EQ(container.ControlAtPos({20, 20}, TControlAtPosOptions{false, true}), label);
}
}  // namespace
