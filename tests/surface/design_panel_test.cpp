#include <gtest/gtest.h>

#include "components/persistence/control_io.h"
#include "components/surface/design_panel.h"
#include "components/surface/grid_tile.h"
#include "support/framework/class_registry.h"
#include "support/framework/property_text.h"
#include "support/framework/std_controls.h"
#include "support/framework/stream.h"

namespace {
class Panel : public ::testing::Test {
protected:
    TComponent owner{nullptr};
    HDesignPanel* panel = new HDesignPanel(&owner);
};
}  // namespace

TEST_F(Panel, StartsWithALoweredFrameTiledBackgroundAndButtonFace) {
    EXPECT_EQ(panel->GetWidth(), 185);
    EXPECT_EQ(panel->GetHeight(), 41);
    EXPECT_EQ(panel->GetBorderStyle(), HBOX_Lower);
    EXPECT_EQ(panel->GetBorderColor(), clBlack);
    EXPECT_TRUE(panel->GetAllowFrameResize().Empty());
    EXPECT_FALSE(panel->GetForceGrid());
    EXPECT_EQ(panel->GetColor(), clBtnFace);
    EXPECT_TRUE(panel->GetBackground()->Empty());
    EXPECT_EQ(panel->GetBkMode(), HBT_Tile);
}

TEST_F(Panel, TheClientAreaIsTheSizeLessTheFrameOnEachSide) {
    panel->SetBounds(0, 0, 100, 60);
    for (int type = HBOX_Raise; type <= HBOX_EdgeDown; ++type) {
        panel->SetBorderStyle(static_cast<HBOX_Types>(type));
        const int frame = TC_BoxWidth(static_cast<HBOX_Types>(type));
        EXPECT_EQ(panel->ClientWidth(), 100 - 2 * frame) << type;
        EXPECT_EQ(panel->ClientHeight(), 60 - 2 * frame) << type;
    }
}

TEST_F(Panel, ABorderPanelIsTwoPixelsSmallerInsideAndANonePanelIsNot) {
    panel->SetBounds(0, 0, 100, 60);
    panel->SetBorderStyle(HBOX_Border);
    EXPECT_EQ(panel->ClientWidth(), 98);
    EXPECT_EQ(panel->ClientHeight(), 58);
    panel->SetBorderStyle(HBOX_None);
    EXPECT_EQ(panel->ClientWidth(), 100);
    EXPECT_EQ(panel->ClientHeight(), 60);
}

TEST_F(Panel, AClientAlignedChildFollowsTheFrameWidth) {
    panel->SetBounds(0, 0, 100, 60);
    auto* label = new TLabel(&owner);
    label->SetParent(panel);
    label->SetAlign(alClient);
    panel->SetBorderStyle(HBOX_HeavyBox);
    EXPECT_EQ(label->GetWidth(), 90);
    EXPECT_EQ(label->GetHeight(), 50);
}

TEST_F(Panel, TheColourIsTheGridsBackground) {
    panel->SetColor(clWhite);
    EXPECT_EQ(panel->GetGrid()->GetBkColor(), clWhite);
    EXPECT_EQ(panel->GetColor(), clWhite);
    panel->GetGrid()->SetBkColor(clRed);
    EXPECT_EQ(panel->GetColor(), clRed);
}

TEST_F(Panel, ChildrenTakingTheirParentsColourSeeTheGridsBackground) {
    auto* label = new TLabel(&owner);
    label->SetParent(panel);
    panel->SetColor(clYellow);
    EXPECT_EQ(label->GetColor(), clYellow);
}

TEST_F(Panel, AssigningAnotherGridOrPictureChangesNothing) {
    HDesignGrid other;
    HDesignGrid* own = panel->GetGrid();
    panel->SetGrid(&other);
    HBitmap picture;
    HBitmap* background = panel->GetBackground();
    panel->SetBackground(&picture);
    EXPECT_EQ(panel->GetGrid(), own);
    EXPECT_EQ(panel->GetBackground(), background);
}

TEST_F(Panel, AtRunTimeTheGridShowsOnlyWhenForced) {
    EXPECT_TRUE(panel->GetGrid()->GetVisible());
    EXPECT_FALSE(panel->GridShown());
    panel->SetForceGrid(true);
    EXPECT_TRUE(panel->GridShown());
    panel->GetGrid()->SetVisible(false);
    EXPECT_FALSE(panel->GridShown());
}

TEST_F(Panel, WhileDesignedTheVisibleGridShows) {
    panel->SetDesigning(true);
    EXPECT_TRUE(panel->GridShown());
    panel->GetGrid()->SetVisible(false);
    EXPECT_FALSE(panel->GridShown());
}

TEST_F(Panel, AGridChangeRebuildsTheTileAtOnce) {
    panel->GetGrid()->SetWidth(8);
    EXPECT_EQ(panel->PatternBitmap().Width(), GridTileSize(8));
    EXPECT_TRUE(panel->PatternCurrent());
}

TEST_F(Panel, AnUnchangedGridValueRebuildsNothing) {
    panel->GetGrid()->SetWidth(8);
    const int version = panel->PatternVersion();
    panel->GetGrid()->SetWidth(8);
    panel->GetGrid()->SetGridColor(clGray);
    panel->SetColor(clBtnFace);
    EXPECT_EQ(panel->PatternVersion(), version);
}

TEST_F(Panel, ScrollingMakesTheTileOutOfDateAndAWholeStepRebuildsTheSameTile) {
    auto* label = new TLabel(&owner);
    label->SetParent(panel);
    label->SetBounds(0, 0, 40, 500);
    panel->UpdateAutoRange();
    panel->GetGrid()->SetHeight(8);
    const HBitmap before = panel->PatternBitmap();
    panel->GetVertScrollBar()->SetPosition(16);
    ASSERT_EQ(panel->GetVertScrollBar()->GetPosition(), 16);
    EXPECT_FALSE(panel->PatternCurrent());
    panel->UpdateBitmap();
    EXPECT_TRUE(panel->PatternCurrent());
    EXPECT_TRUE(panel->PatternBitmap() == before);
    panel->GetVertScrollBar()->SetPosition(19);
    panel->UpdateBitmap();
    EXPECT_FALSE(panel->PatternBitmap() == before);
}

TEST_F(Panel, ThePropertiesSurviveALayoutRoundTrip) {
    RegisterClass(TLabel::StaticClass());
    panel->SetBorderStyle(HBOX_Frame);
    panel->SetBorderColor(clRed);
    panel->SetAllowFrameResize({akRight, akBottom});
    panel->SetForceGrid(true);
    panel->SetBkMode(HBT_Center);
    panel->GetGrid()->SetWidth(8);
    panel->GetGrid()->SetHeight(6);
    panel->GetGrid()->SetGridColor(clBlue);
    panel->SetColor(clWhite);
    panel->GetBackground()->SetSize(3, 2);
    panel->GetBackground()->SetPixel(2, 1, 0x123456);
    auto* label = new TLabel(&owner);
    label->SetName("Caption1");
    label->SetParent(panel);

    for (bool text : {false, true}) {
        auto* io = new HControlIO(&owner);
        io->SetTextOutput(text);
        io->SetControl(panel);
        TMemoryStream stream;
        io->Save(&stream);

        auto* copy = new HDesignPanel(&owner);
        io->SetControl(copy);
        stream.SetPosition(0);
        io->Load(&stream);
        EXPECT_EQ(copy->GetBorderStyle(), HBOX_Frame);
        EXPECT_EQ(copy->GetBorderColor(), clRed);
        EXPECT_EQ(copy->GetAllowFrameResize(), (TAnchors{akRight, akBottom}));
        EXPECT_TRUE(copy->GetForceGrid());
        EXPECT_EQ(copy->GetBkMode(), HBT_Center);
        EXPECT_EQ(copy->GetGrid()->GetWidth(), 8);
        EXPECT_EQ(copy->GetGrid()->GetHeight(), 6);
        EXPECT_EQ(copy->GetGrid()->GetGridColor(), clBlue);
        EXPECT_EQ(copy->GetColor(), clWhite);
        EXPECT_TRUE(*copy->GetBackground() == *panel->GetBackground());
        EXPECT_EQ(copy->ControlCount(), 1);
    }
}

TEST_F(Panel, TheLayoutTextNamesTheGridValuesThroughTheGrid) {
    panel->GetGrid()->SetWidth(8);
    auto* io = new HControlIO(&owner);
    io->SetTextOutput(true);
    io->SetControl(panel);
    const std::string text = io->GetControlText()->GetText();
    EXPECT_NE(text.find("Grid.Width = 8"), std::string::npos) << text;
    EXPECT_EQ(text.find("Grid.Height"), std::string::npos) << text;
}

TEST_F(Panel, TheGridAndThePictureArePublishedReadOnlyAndFilledThroughTheirProperties) {
    EXPECT_TRUE(GetPropInfo(*panel, "Grid")->ReadOnly());
    EXPECT_TRUE(GetPropInfo(*panel, "Background")->ReadOnly());
    SetPropText(*panel, "Grid.Width", "8");
    EXPECT_EQ(panel->GetGrid()->GetWidth(), 8);
}

TEST_F(Panel, ResizingAsksFirstKeepsWithinTheLimitsGivenAndTellsOnce) {
    int resizes = 0;
    panel->OnResize = [&resizes](TObject*) { ++resizes; };
    panel->OnCanResize = [](TObject*, int& width, int&, bool& resize) { resize = width != 999; };
    panel->OnConstrainedResize = [](TObject*, int&, int&, int& maxWidth, int&) { maxWidth = 300; };
    panel->SetBounds(0, 0, 999, 50);
    EXPECT_EQ(panel->GetWidth(), 185);
    panel->SetBounds(0, 0, 500, 50);
    EXPECT_EQ(panel->GetWidth(), 300);
    panel->SetBounds(10, 10, 300, 50);
    EXPECT_EQ(resizes, 1);
}

TEST_F(Panel, ScalingScalesThePanelAndItsControls) {
    auto* key = new TLabel(&owner);
    key->SetParent(panel);
    key->SetBounds(10, 20, 30, 40);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetScale(3, 2);
    EXPECT_EQ(panel->GetWidth(), 300);
    EXPECT_EQ(key->GetLeft(), 15);
    EXPECT_EQ(key->GetHeight(), 60);
    panel->SetScale(1, 0);
    EXPECT_EQ(panel->GetWidth(), 300);
}

TEST_F(Panel, APopupMenuThatGoesAwayIsForgottenAndAHandledContextRequestShowsNoMenu) {
    auto* menu = new TPopupMenu(&owner);
    int popups = 0;
    menu->OnPopup = [&popups](TObject*) { ++popups; };
    panel->SetPopupMenu(menu);
    EXPECT_TRUE(panel->ContextPopup({1, 1}));
    EXPECT_EQ(popups, 1);
    panel->OnContextPopup = [](TObject*, TPoint, bool& handled) { handled = true; };
    EXPECT_TRUE(panel->ContextPopup({1, 1}));
    EXPECT_EQ(popups, 1);
    delete menu;
    EXPECT_EQ(panel->GetPopupMenu(), nullptr);
}
