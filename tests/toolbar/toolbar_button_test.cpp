// The flat button's down state within groups, clicks, repetition and what its drawing shows.
#include <gtest/gtest.h>

#include "components/visual/toolbar/toolbar_button.h"
#include "fake_repeat_timer.h"
#include "support/framework/win_control.h"

namespace {
class ButtonGroup : public ::testing::Test {
protected:
    TCustomToolbarButton97* AddButton(int group) {
        auto* button = new TCustomToolbarButton97(&panel);
        button->SetParent(&panel);
        button->SetGroupIndex(group);
        button->OnClick = [this](TObject* sender) { clicks.push_back(sender); };
        return button;
    }
    static void Click(TCustomToolbarButton97& button) {
        button.MouseDown(mbLeft, 0, {1, 1});
        button.MouseUp(mbLeft, 0, {1, 1});
    }
    TWinControl panel{nullptr};
    std::vector<TObject*> clicks;
};

TEST_F(ButtonGroup, AButtonWithoutGroupIsNeverDown) {
    TCustomToolbarButton97* button = AddButton(0);
    button->SetDown(true);
    Click(*button);

    EXPECT_FALSE(button->GetDown());
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ButtonGroup, GoingDownReleasesTheOthersOfTheGroupOnly) {
    TCustomToolbarButton97* first = AddButton(5);
    TCustomToolbarButton97* second = AddButton(5);
    TCustomToolbarButton97* other = AddButton(6);
    other->SetDown(true);
    first->SetDown(true);
    Click(*second);

    EXPECT_FALSE(first->GetDown());
    EXPECT_TRUE(second->GetDown());
    EXPECT_TRUE(other->GetDown());
}

TEST_F(ButtonGroup, WithoutAllowAllUpTheDownButtonStaysDown) {
    TCustomToolbarButton97* button = AddButton(5);
    Click(*button);
    Click(*button);
    EXPECT_TRUE(button->GetDown());

    button->SetDown(false);
    EXPECT_TRUE(button->GetDown());
}

TEST_F(ButtonGroup, WithAllowAllUpAClickTogglesTheButton) {
    TCustomToolbarButton97* button = AddButton(5);
    button->SetAllowAllUp(true);
    Click(*button);
    EXPECT_TRUE(button->GetDown());
    Click(*button);
    EXPECT_FALSE(button->GetDown());
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(ButtonGroup, JoiningAGroupWhileDownReleasesItsMembers) {
    TCustomToolbarButton97* member = AddButton(5);
    member->SetDown(true);
    TCustomToolbarButton97* newcomer = AddButton(6);
    newcomer->SetDown(true);
    newcomer->SetGroupIndex(5);

    EXPECT_FALSE(member->GetDown());
    EXPECT_TRUE(newcomer->GetDown());
}

TEST_F(ButtonGroup, LeavingEveryGroupReleasesTheButton) {
    TCustomToolbarButton97* button = AddButton(5);
    button->SetDown(true);
    button->SetGroupIndex(0);

    EXPECT_FALSE(button->GetDown());
}

TEST_F(ButtonGroup, ADisabledButtonIgnoresTheMouse) {
    TCustomToolbarButton97* button = AddButton(5);
    button->SetEnabled(false);
    Click(*button);

    EXPECT_FALSE(button->GetDown());
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ButtonGroup, DraggingOffAndBackStillClicks) {
    TCustomToolbarButton97* button = AddButton(0);
    button->MouseDown(mbLeft, 0, {1, 1});
    button->MouseMove(0, {100, 1});
    EXPECT_FALSE(button->ShownDown());
    button->MouseMove(0, {2, 2});
    EXPECT_TRUE(button->ShownDown());
    button->MouseUp(mbLeft, 0, {2, 2});

    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(button->ShownDown());
}

class ButtonRepeat : public ButtonGroup {
protected:
    ButtonRepeat() {
        button = AddButton(0);
        button->SetRepeating(true);
    }
    TFakeRepeatTimers timers;
    TCustomToolbarButton97* button;
};

TEST_F(ButtonRepeat, HoldingClicksAtOnceThenAfterTheDelayThenEveryInterval) {
    button->MouseDown(mbLeft, 0, {1, 1});
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(timers.Waiting(), 400);
    timers.Elapse();
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_EQ(timers.Waiting(), 100);
    timers.Elapse();
    EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(ButtonRepeat, ReleasingStopsWithoutAFurtherClick) {
    button->MouseDown(mbLeft, 0, {1, 1});
    timers.Elapse();
    button->MouseUp(mbLeft, 0, {1, 1});
    timers.Elapse();

    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_EQ(timers.Waiting(), 0);
}

TEST_F(ButtonRepeat, WhileTheMouseIsOffTheButtonRepetitionsPause) {
    button->MouseDown(mbLeft, 0, {1, 1});
    button->MouseMove(0, {100, 1});
    timers.Elapse();
    timers.Elapse();
    EXPECT_EQ(clicks.size(), 1u);
    button->MouseMove(0, {1, 1});
    timers.Elapse();

    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(ButtonRepeat, TurningRepeatingOffStopsTheTimer) {
    button->MouseDown(mbLeft, 0, {1, 1});
    button->SetRepeating(false);

    EXPECT_EQ(timers.Waiting(), 0);
}

TEST(ButtonRepeatWithoutTimers, AHeldButtonClicksOnce) {
    TCustomToolbarButton97 button(nullptr);
    int clicks = 0;
    button.OnClick = [&clicks](TObject*) { ++clicks; };
    button.SetRepeating(true);
    button.MouseDown(mbLeft, 0, {1, 1});
    button.MouseUp(mbLeft, 0, {1, 1});

    EXPECT_EQ(clicks, 1);
}

class ButtonLook : public ::testing::Test {
protected:
    TCustomToolbarButton97 button{nullptr};
};

TEST_F(ButtonLook, AFlatButtonShowsItsBorderOnlyWhileHoveredOrDown) {
    EXPECT_FALSE(button.ShowsBorder());
    button.MouseMove(0, {1, 1});
    EXPECT_TRUE(button.ShowsBorder());
    button.MouseLeave();
    EXPECT_FALSE(button.ShowsBorder());
    button.SetGroupIndex(1);
    button.SetDown(true);
    EXPECT_TRUE(button.ShowsBorder());
}

TEST_F(ButtonLook, BorderOptions) {
    button.SetShowBorderWhenInactive(true);
    EXPECT_TRUE(button.ShowsBorder());
    button.SetShowBorderWhenInactive(false);
    button.SetFlat(false);
    EXPECT_TRUE(button.ShowsBorder());
    button.SetNoBorder(true);
    button.MouseMove(0, {1, 1});
    EXPECT_FALSE(button.ShowsBorder());
}

TEST_F(ButtonLook, TheCoverColourFillsTheFaceWhileShownDown) {
    button.SetColor(clSilver);
    button.SetCoverColor(clOlive);
    EXPECT_EQ(button.FaceColor(), clSilver);
    button.MouseDown(mbLeft, 0, {1, 1});
    EXPECT_EQ(button.FaceColor(), clOlive);
    button.MouseUp(mbLeft, 0, {1, 1});
    EXPECT_EQ(button.FaceColor(), clSilver);

    button.SetCoverColor(clNone);
    button.MouseDown(mbLeft, 0, {1, 1});
    EXPECT_EQ(button.FaceColor(), clSilver);
}

TEST_F(ButtonLook, TheGlyphImageFollowsTheStateWhenTheGlyphHasOne) {
    button.GetGlyph()->SetSize(64, 16);
    button.SetNumGlyphs(4);
    EXPECT_EQ(button.GlyphState(), gsUp);
    button.MouseDown(mbLeft, 0, {1, 1});
    EXPECT_EQ(button.GlyphState(), gsPressed);
    button.MouseUp(mbLeft, 0, {1, 1});
    button.SetGroupIndex(1);
    button.SetDown(true);
    EXPECT_EQ(button.GlyphState(), gsExclusive);
    button.SetEnabled(false);
    EXPECT_EQ(button.GlyphState(), gsDisabled);

    button.SetNumGlyphs(2);
    button.SetEnabled(true);
    EXPECT_EQ(button.GlyphState(), gsUp);
}

TEST_F(ButtonLook, NumGlyphsStaysWithinOneToFour) {
    button.SetNumGlyphs(0);
    EXPECT_EQ(button.GetNumGlyphs(), 1);
    button.SetNumGlyphs(9);
    EXPECT_EQ(button.GetNumGlyphs(), 4);
}

TEST_F(ButtonLook, TheDisplayModeChoosesGlyphAndCaption) {
    button.SetCaption("Go");
    button.GetGlyph()->SetSize(4, 4);
    EXPECT_TRUE(button.ShowsGlyph() && button.ShowsCaption());
    button.SetDisplayMode(dmGlyphOnly);
    EXPECT_TRUE(button.ShowsGlyph() && !button.ShowsCaption());
    button.SetDisplayMode(dmTextOnly);
    EXPECT_TRUE(!button.ShowsGlyph() && button.ShowsCaption());
}

TEST_F(ButtonLook, ConstraintsLimitTheSize) {
    button.GetConstraints()->SetMaxWidth(30);
    button.GetConstraints()->SetMinHeight(10);
    button.SetBounds(0, 0, 50, 4);
    EXPECT_EQ(button.GetWidth(), 30);
    EXPECT_EQ(button.GetHeight(), 10);

    button.GetConstraints()->SetMaxWidth(20);
    EXPECT_EQ(button.GetWidth(), 20);
}
}  // namespace
