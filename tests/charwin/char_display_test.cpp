#include "char_fixture.h"

using namespace std::chrono_literals;

namespace {

using ShowingAKey = CharWindowFixture;

TEST_F(ShowingAKey, PutsTheWindowOnTheKeyboardsTopLeftCorner) {
    ShowKey("A");
    ASSERT_TRUE(Shown());
    const RECT keyboard = WindowRectOf(FormWnd());
    const RECT shown = WindowRectOf(CharWindow());
    EXPECT_EQ(shown.bottom, keyboard.top);
    EXPECT_EQ(shown.left, keyboard.left);
    EXPECT_GE(shown.right - shown.left, shown.bottom - shown.top);
    EXPECT_EQ(shown.bottom - shown.top, txtChar->GetHeight());
}

TEST_F(ShowingAKey, CopiesTheCaptionAndTheFontSettingsToTheModel) {
    cfg.Write("CharFont", std::string("Arial"));
    cfg.Write("CharFontSz", 20);
    ShowKey("Ж");
    EXPECT_EQ(txtChar->GetCaption(), "Ж");
    EXPECT_EQ(txtChar->GetFont()->GetName(), "Arial");
    EXPECT_EQ(txtChar->GetFont()->GetSize(), 20);
    EXPECT_GT(txtChar->GetWidth(), 0);
}

TEST_F(ShowingAKey, AWideCaptionMakesAWideWindow) {
    ShowKey("Backspace");
    const RECT shown = WindowRectOf(CharWindow());
    EXPECT_GT(shown.right - shown.left, 2 * (shown.bottom - shown.top));
    EXPECT_EQ(shown.right - shown.left, txtChar->GetWidth());
}

TEST_F(ShowingAKey, TheDefaultFontIsVerdanaAt36Points) {
    ShowKey("A");
    EXPECT_EQ(txtChar->GetFont()->GetName(), "Verdana");
    EXPECT_EQ(txtChar->GetFont()->GetSize(), 36);
}

TEST_F(ShowingAKey, TheWindowHidesAfterTheAutohideInterval) {
    cfg.Write("AutohideInterval", 300);
    ShowKey("A");
    EXPECT_EQ(tmChar->GetInterval(), 300u);
    const auto took = PumpUntil([&] { return !Shown(); }, 5s);
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(tmChar->GetEnabled());
    EXPECT_GE(took, 250ms);
}

TEST_F(ShowingAKey, AnIntervalOfZeroOrLessIsTheDefaultSecond) {
    for (int damaged : {0, -5}) {
        cfg.Write("AutohideInterval", damaged);
        ShowKey("A");
        EXPECT_EQ(tmChar->GetInterval(), 1000u) << damaged;
    }
}

TEST_F(ShowingAKey, ASecondKeyRestartsTheInterval) {
    cfg.Write("AutohideInterval", 700);
    ShowKey("A");
    PumpFor(450ms);
    ShowKey("B");
    PumpFor(450ms);
    EXPECT_TRUE(Shown());
    PumpUntil([&] { return !Shown(); }, 5s);
    EXPECT_FALSE(Shown());
}

TEST_F(ShowingAKey, AnEmptyCaptionHidesAtOnce) {
    ShowKey("A");
    ASSERT_TRUE(Shown());
    ShowKey("");
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(tmChar->GetEnabled());
}

TEST_F(ShowingAKey, NoControlHidesAtOnce) {
    ShowKey("A");
    display.ShowPressedChar(nullptr);
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(tmChar->GetEnabled());
}

TEST_F(ShowingAKey, DispCharOffShowsNothingAndHidesAShownWindow) {
    ShowKey("A");
    ASSERT_TRUE(Shown());
    cfg.Write("DispChar", false);
    ShowKey("B");
    EXPECT_FALSE(Shown());
    ShowKey("C");
    EXPECT_FALSE(Shown());
    EXPECT_EQ(txtChar->GetCaption(), "A");
}

using MovingTheKeyboard = CharWindowFixture;

TEST_F(MovingTheKeyboard, TakesAShownWindowAlong) {
    ShowKey("A");
    form.SetBounds(120, 500, 360, 160);
    display.PlaceCharWindow();
    const RECT keyboard = WindowRectOf(FormWnd());
    const RECT shown = WindowRectOf(CharWindow());
    EXPECT_TRUE(Shown());
    EXPECT_EQ(shown.left, keyboard.left);
    EXPECT_EQ(shown.bottom, keyboard.top);
}

TEST_F(MovingTheKeyboard, KeepsAHiddenWindowHidden) {
    ShowKey("A");
    display.tmCharTimer(tmChar);
    form.SetBounds(150, 450, 360, 160);
    display.PlaceCharWindow();
    EXPECT_FALSE(Shown());
    EXPECT_EQ(WindowRectOf(CharWindow()).left, WindowRectOf(FormWnd()).left);
}

TEST_F(MovingTheKeyboard, ToTheScreensTopPutsTheWindowAboveIt) {
    ShowKey("A");
    form.SetBounds(100, 0, 360, 160);
    display.PlaceCharWindow();
    EXPECT_LT(WindowRectOf(CharWindow()).top, WindowRectOf(FormWnd()).top);
    EXPECT_EQ(WindowRectOf(CharWindow()).bottom, WindowRectOf(FormWnd()).top);
}

}  // namespace
