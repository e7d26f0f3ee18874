#include "form_fixture.h"
#include "rendering.h"

namespace {

RECT RectOf(const TControl& control) {
    const TRect r = control.BoundsRect();
    return {r.Left, r.Top, r.Right, r.Bottom};
}

bool IsRed(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80; }
bool IsWhite(COLORREF c) { return c == RGB(255, 255, 255); }
bool IsBlue(COLORREF c) { return c == RGB(0, 0, 255); }

// Black bold text on white: every dark pixel is text.
class LabelPainting : public FormFixture {
protected:
    LabelPainting() {
        box->SetBorderStyle(bsNone);
        edit->Hide();
        label->SetCaption("MMMM");
        label->GetFont()->SetName("Tahoma");
        label->GetFont()->SetHeight(-20);
        label->GetFont()->SetStyle({fsBold});
        label->GetFont()->SetColor(clBlack);
    }

    TRendering Printed() {
        form.HandleNeeded();
        return TRendering::Printed(WndOf(*box));
    }
    int DarkInside(const TRendering& r, const RECT& area) const { return r.Count(area, IsDark); }
};

TEST_F(LabelPainting, TheCaptionIsDrawnInsideTheLabelOnly) {
    const TRendering rendering = Printed();

    EXPECT_GT(DarkInside(rendering, RectOf(*label)), 50);
    EXPECT_EQ(rendering.Count(RectOf(*label), IsDark, false), 0);
    EXPECT_EQ(rendering.Count(RectOf(*label), IsWhite, false), 300 * 200 - 150 * 30);
}

TEST_F(LabelPainting, TheTextHasTheFontsColour) {
    label->GetFont()->SetColor(clRed);
    const TRendering rendering = Printed();

    EXPECT_GT(rendering.Count(RectOf(*label), IsRed), 50);
    EXPECT_EQ(DarkInside(rendering, RectOf(*label)), 0);
}

TEST_F(LabelPainting, SystemColoursAreResolved) {
    label->GetFont()->SetColor(clHighlight);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const TRendering rendering = Printed();

    EXPECT_GT(rendering.Count(RectOf(*label), [highlight](COLORREF c) { return c == highlight; }), 20);
}

TEST_F(LabelPainting, RightAlignmentPutsTheTextAtTheRight) {
    label->SetCaption("MM");
    label->SetAlignment(taRightJustify);
    const TRendering rendering = Printed();

    EXPECT_EQ(DarkInside(rendering, {20, 60, 95, 90}), 0);
    EXPECT_GT(DarkInside(rendering, {95, 60, 170, 90}), 20);
}

TEST_F(LabelPainting, LeftAlignmentPutsTheTextAtTheLeft) {
    label->SetCaption("MM");
    const TRendering rendering = Printed();

    EXPECT_GT(DarkInside(rendering, {20, 60, 95, 90}), 20);
    EXPECT_EQ(DarkInside(rendering, {95, 60, 170, 90}), 0);
}

TEST_F(LabelPainting, CentredLayoutMovesTheTextDown) {
    label->SetHeight(90);
    label->SetLayout(tlCenter);
    const TRendering rendering = Printed();

    EXPECT_EQ(DarkInside(rendering, {20, 60, 170, 85}), 0);
    EXPECT_GT(DarkInside(rendering, {20, 85, 170, 125}), 50);
}

TEST_F(LabelPainting, WordWrapBreaksTheCaptionIntoLines) {
    label->SetBounds(20, 60, 80, 120);
    label->SetCaption("MMM MMM MMM");
    const TRendering single = Printed();
    EXPECT_EQ(DarkInside(single, {20, 90, 100, 180}), 0);

    label->SetWordWrap(true);
    const TRendering wrapped = TRendering::Printed(WndOf(*box));
    EXPECT_GT(DarkInside(wrapped, {20, 90, 100, 180}), 50);
}

TEST_F(LabelPainting, AnOpaqueLabelFillsItsBoundsWithItsColour) {
    label->SetColor(clYellow);
    const TRendering rendering = Printed();

    EXPECT_EQ(rendering.Pixel(21, 88), RGB(255, 255, 0));
    EXPECT_EQ(rendering.Pixel(169, 61), RGB(255, 255, 0));
}

TEST_F(LabelPainting, ATransparentLabelLeavesTheBackgroundAsItIs) {
    label->SetColor(clYellow);
    label->SetTransparent(true);
    const TRendering rendering = Printed();

    EXPECT_EQ(rendering.Pixel(21, 88), RGB(255, 255, 255));
    EXPECT_GT(DarkInside(rendering, RectOf(*label)), 50);
}

TEST_F(LabelPainting, ADisabledLabelIsDrawnEngraved) {
    label->SetEnabled(false);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const TRendering rendering = Printed();

    EXPECT_EQ(rendering.Count(RectOf(*label), [](COLORREF c) { return c == RGB(0, 0, 0); }), 0);
    EXPECT_GT(rendering.Count(RectOf(*label), [shadow](COLORREF c) { return c == shadow; }), 20);
}

TEST_F(LabelPainting, AHiddenLabelIsNotDrawn) {
    label->Hide();
    const TRendering rendering = Printed();

    EXPECT_EQ(DarkInside(rendering, RectOf(*label)), 0);
}

TEST_F(LabelPainting, TheScreenShowsTheLabel) {
    ShowForm();
    UpdateWindow(WndOf(form));
    const TRendering rendering = TRendering::OnScreen(WndOf(*box));

    EXPECT_GT(DarkInside(rendering, RectOf(*label)), 50);
    EXPECT_EQ(rendering.Count(RectOf(*label), IsDark, false), 0);
}

TEST_F(LabelPainting, OnlyTheInvalidatedAreaIsPaintedAgain) {
    ShowForm();
    UpdateWindow(WndOf(*box));
    HDC dc = GetDC(WndOf(*box));
    const RECT all{0, 0, 300, 200};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(dc, &all, blue);
    DeleteObject(blue);
    ReleaseDC(WndOf(*box), dc);

    label->Invalidate();
    UpdateWindow(WndOf(*box));
    const TRendering rendering = TRendering::OnScreen(WndOf(*box));

    EXPECT_EQ(rendering.Count(RectOf(*label), IsBlue), 0);
    EXPECT_GT(DarkInside(rendering, RectOf(*label)), 50);
    EXPECT_EQ(rendering.Count(RectOf(*label), IsBlue, false), 300 * 200 - 150 * 30);
}

TEST_F(LabelPainting, ACaptionChangeIsPaintedOnTheScreen) {
    ShowForm();
    UpdateWindow(WndOf(*box));
    label->SetCaption("");
    UpdateWindow(WndOf(*box));
    EXPECT_EQ(DarkInside(TRendering::OnScreen(WndOf(*box)), RectOf(*label)), 0);

    label->SetCaption("MMMM");
    UpdateWindow(WndOf(*box));
    EXPECT_GT(DarkInside(TRendering::OnScreen(WndOf(*box)), RectOf(*label)), 50);
}

}  // namespace
