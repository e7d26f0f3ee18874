// The tool window's caption bar: where it lies, what it leaves to the children, and closing
// it with its button.
#include "components/visual/toolwindow/h_window.h"

#include <gtest/gtest.h>

#include <array>

#include "stream_helpers.h"
#include "support/framework/std_controls.h"

namespace {
using TEdges = std::array<int, 4>;
TEdges Edges(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
bool IsEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }
TPoint Center(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

class ToolWindow : public ::testing::Test {
protected:
    ToolWindow() {
        window.SetBounds(0, 0, 300, 200);
        window.SetCaption("Object inspector");
    }
    HWindow window{nullptr};
};

TEST_F(ToolWindow, ChildrenAreAlignedBelowTheCaptionBar) {
    auto* list = new TEdit(&window);
    list->SetParent(&window);
    list->SetHeight(21);
    list->SetAlign(alTop);
    auto* rest = new TEdit(&window);
    rest->SetParent(&window);
    rest->SetAlign(alClient);
    EXPECT_EQ(Edges(list->BoundsRect()), (TEdges{0, 18, 300, 39}));
    EXPECT_EQ(Edges(rest->BoundsRect()), (TEdges{0, 39, 300, 200}));

    window.SetCaptionHeight(30);
    EXPECT_EQ(list->GetTop(), 30);
    EXPECT_EQ(Edges(rest->BoundsRect()), (TEdges{0, 51, 300, 200}));
    EXPECT_EQ(Edges(window.ChildArea()), (TEdges{0, 30, 300, 200}));
}

TEST_F(ToolWindow, TheCloseButtonSitsAtTheRightOfTheCaptionBar) {
    const TRect close = window.CloseButtonRect();
    EXPECT_EQ(close.Right, 298);
    EXPECT_EQ(close.Bottom - close.Top, close.Right - close.Left);
    EXPECT_GE(close.Top, 0);
    EXPECT_LE(close.Bottom, window.CaptionRect().Bottom);
    window.SetCloseButton(false);
    EXPECT_TRUE(IsEmpty(window.CloseButtonRect()));
    // A window too narrow for the button has none rather than one outside it.
    window.SetCloseButton(true);
    window.SetWidth(6);
    EXPECT_TRUE(IsEmpty(window.CloseButtonRect()));
}

TEST_F(ToolWindow, AClickOnTheCloseButtonAsksOnCloseAndHides) {
    int asked = 0;
    window.OnClose = [&asked](TObject*, TCloseAction& action) {
        ++asked;
        EXPECT_EQ(action, caHide);
    };
    const TPoint button = Center(window.CloseButtonRect());
    window.MouseDown(mbLeft, 0, button);
    EXPECT_TRUE(window.CloseButtonPressed());
    window.MouseUp(mbLeft, 0, button);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(window.GetVisible());
}

TEST_F(ToolWindow, OnCloseCanKeepTheWindowOpen) {
    window.OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
    window.Close();
    EXPECT_TRUE(window.GetVisible());
}

TEST_F(ToolWindow, ReleasingAwayFromTheButtonOrClickingTheCaptionDoesNotClose) {
    int asked = 0;
    window.OnClose = [&asked](TObject*, TCloseAction&) { ++asked; };
    window.MouseDown(mbLeft, 0, Center(window.CloseButtonRect()));
    window.MouseMove(0, {20, 100});
    EXPECT_FALSE(window.CloseButtonPressed());
    window.MouseUp(mbLeft, 0, {20, 100});
    window.MouseDown(mbLeft, 0, {20, 5});
    window.MouseUp(mbLeft, 0, {20, 5});
    window.MouseDown(mbRight, 0, Center(window.CloseButtonRect()));
    window.MouseUp(mbRight, 0, Center(window.CloseButtonRect()));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(window.GetVisible());
}

TEST_F(ToolWindow, CaptionAlignmentAndLookSurviveTheTextForm) {
    window.SetName("tbInspector");
    window.SetAlign(alLeft);
    window.SetCaptionHeight(22);
    window.SetCloseButton(false);
    HWindow copy(nullptr);
    ReadComponentText(ComponentText(window), copy);
    EXPECT_EQ(copy.GetCaption(), "Object inspector");
    EXPECT_EQ(copy.GetAlign(), alLeft);
    EXPECT_EQ(copy.GetCaptionHeight(), 22);
    EXPECT_FALSE(copy.GetCloseButton());
}
}  // namespace
