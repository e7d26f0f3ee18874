#include <gtest/gtest.h>

#include "components/surface/design_grid.h"

namespace {
class GridChanges : public ::testing::Test {
protected:
    GridChanges() {
        grid.OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, &grid);
            ++changes;
        };
    }
    HDesignGrid grid;
    int changes = 0;
};
}  // namespace

TEST(DesignGrid, StartsWithTenPixelStepsGreyDotsOnButtonFace) {
    const HDesignGrid grid;
    EXPECT_EQ(grid.GetWidth(), 10);
    EXPECT_EQ(grid.GetHeight(), 10);
    EXPECT_TRUE(grid.GetVisible());
    EXPECT_EQ(grid.GetBkColor(), clBtnFace);
    EXPECT_EQ(grid.GetGridColor(), clGray);
}

TEST_F(GridChanges, EachChangedValueTellsOnce) {
    grid.SetWidth(8);
    grid.SetHeight(8);
    grid.SetVisible(false);
    grid.SetBkColor(clWhite);
    grid.SetGridColor(clBlack);
    EXPECT_EQ(changes, 5);
}

TEST_F(GridChanges, AValueSetToWhatItIsTellsNothing) {
    grid.SetWidth(10);
    grid.SetHeight(10);
    grid.SetVisible(true);
    grid.SetBkColor(clBtnFace);
    grid.SetGridColor(clGray);
    EXPECT_EQ(changes, 0);
}

TEST_F(GridChanges, StepsBelowOneBecomeOne) {
    grid.SetWidth(0);
    grid.SetHeight(-7);
    EXPECT_EQ(grid.GetWidth(), 1);
    EXPECT_EQ(grid.GetHeight(), 1);
    grid.SetWidth(-1);
    EXPECT_EQ(changes, 2);
}

TEST_F(GridChanges, HugeStepsAreCapped) {
    grid.SetWidth(2000000000);
    EXPECT_EQ(grid.GetWidth(), HCustomDesignGrid::kMaxStep);
}

TEST_F(GridChanges, AssignCopiesEveryValue) {
    HDesignGrid source;
    source.SetWidth(8);
    source.SetHeight(12);
    source.SetVisible(false);
    source.SetBkColor(clWhite);
    source.SetGridColor(clRed);
    grid.Assign(&source);
    EXPECT_EQ(grid.GetWidth(), 8);
    EXPECT_EQ(grid.GetHeight(), 12);
    EXPECT_FALSE(grid.GetVisible());
    EXPECT_EQ(grid.GetBkColor(), clWhite);
    EXPECT_EQ(grid.GetGridColor(), clRed);
    EXPECT_GT(changes, 0);
}

TEST(DesignGrid, PublishesItsValuesInOrder) {
    std::vector<std::string> names;
    for (const TPropInfo& prop : HDesignGrid::StaticClass().Properties()) names.push_back(prop.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Width", "Height", "Visible", "BkColor", "GridColor"}));
}
