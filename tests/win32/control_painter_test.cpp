#include "form_fixture.h"
#include "rendering.h"
#include "support/win32/control_painter.h"

// Controls without a window that the tests give painters of their own.
class TSwatch : public TControl {
    PENDREL_CLASS(TSwatch, TControl)
public:
    explicit TSwatch(TComponent* owner) : TControl(owner) {}
    COLORREF Fill = RGB(0, 128, 0);
};
PENDREL_IMPLEMENT_CLASS(TSwatch)
void TSwatch::DeclareProperties(TClassBuilder<TSwatch>&) {}

class TDerivedSwatch : public TSwatch {
    PENDREL_CLASS(TDerivedSwatch, TSwatch)
public:
    using TSwatch::TSwatch;
};
PENDREL_IMPLEMENT_CLASS(TDerivedSwatch)
void TDerivedSwatch::DeclareProperties(TClassBuilder<TDerivedSwatch>&) {}

class TMarkedSwatch : public TSwatch {
    PENDREL_CLASS(TMarkedSwatch, TSwatch)
public:
    using TSwatch::TSwatch;
};
PENDREL_IMPLEMENT_CLASS(TMarkedSwatch)
void TMarkedSwatch::DeclareProperties(TClassBuilder<TMarkedSwatch>&) {}

namespace {

constexpr COLORREF kMarked = RGB(200, 0, 200);

// Fills far beyond the control: what lands outside shows the clipping failed.
void PaintSwatch(TControl& control, HDC dc) {
    const RECT everywhere{-500, -500, 1000, 1000};
    HBRUSH brush = CreateSolidBrush(static_cast<TSwatch&>(control).Fill);
    FillRect(dc, &everywhere, brush);
    DeleteObject(brush);
}

using PainterFunction = void (*)(TControl&, HDC);
PainterFunction FunctionOf(const ControlPainter* painter) {
    const auto* function = painter ? painter->target<PainterFunction>() : nullptr;
    return function ? *function : nullptr;
}

// Marks only the pixel at the DC's origin.
void PaintOrigin(TControl&, HDC dc) { SetPixel(dc, 0, 0, kMarked); }

class ControlPainters : public FormFixture {
protected:
    ControlPainters() {
        RegisterControlPainter(TSwatch::StaticClass(), &PaintSwatch);
        RegisterControlPainter(TMarkedSwatch::StaticClass(), &PaintOrigin);
        box->SetBorderStyle(bsNone);
        edit->Hide();
        label->Hide();
    }

    TSwatch* AddSwatch(TSwatch* swatch, int left, int top, COLORREF fill) {
        swatch->SetParent(box);
        swatch->SetBounds(left, top, 40, 30);
        swatch->Fill = fill;
        return swatch;
    }
    TRendering Printed() {
        form.HandleNeeded();
        return TRendering::Printed(WndOf(*box));
    }
};

TEST_F(ControlPainters, ARegisteredClassIsFound) {
    TSwatch swatch(nullptr);
    EXPECT_EQ(FunctionOf(FindControlPainter(swatch)), &PaintSwatch);
}

TEST_F(ControlPainters, ADescendantUsesItsNearestRegisteredAncestor) {
    TDerivedSwatch derived(nullptr);
    TMarkedSwatch marked(nullptr);

    EXPECT_EQ(FunctionOf(FindControlPainter(derived)), &PaintSwatch);
    EXPECT_EQ(FunctionOf(FindControlPainter(marked)), &PaintOrigin);
}

TEST_F(ControlPainters, AClassWithoutPainterHasNone) {
    TControl plain(nullptr);

    EXPECT_EQ(FindControlPainter(plain), nullptr);
}

TEST_F(ControlPainters, ThePainterIsClippedToTheControl) {
    AddSwatch(new TSwatch(&form), 50, 40, RGB(0, 128, 0));
    const TRendering rendering = Printed();

    const RECT bounds{50, 40, 90, 70};
    EXPECT_EQ(rendering.Count(bounds, [](COLORREF c) { return c == RGB(0, 128, 0); }), 40 * 30);
    EXPECT_EQ(rendering.Count(bounds, [](COLORREF c) { return c == RGB(0, 128, 0); }, false), 0);
}

TEST_F(ControlPainters, TheOriginIsTheControlsTopLeftCorner) {
    AddSwatch(new TMarkedSwatch(&form), 70, 35, 0);
    const TRendering rendering = Printed();

    EXPECT_EQ(rendering.Pixel(70, 35), kMarked);
    EXPECT_EQ(rendering.Count({0, 0, 300, 200}, [](COLORREF c) { return c == kMarked; }), 1);
}

TEST_F(ControlPainters, LaterChildrenAreDrawnOnTop) {
    TSwatch* first = AddSwatch(new TSwatch(&form), 10, 10, RGB(255, 0, 0));
    AddSwatch(new TSwatch(&form), 30, 20, RGB(0, 0, 255));
    EXPECT_EQ(Printed().Pixel(35, 25), RGB(0, 0, 255));

    box->BringToFront(first);
    EXPECT_EQ(Printed().Pixel(35, 25), RGB(255, 0, 0));
}

TEST_F(ControlPainters, TheBackgroundIsTheContainersColour) {
    box->SetColor(clAqua);
    const TRendering rendering = Printed();

    EXPECT_EQ(rendering.Count({0, 0, 300, 200}, [](COLORREF c) { return c == RGB(0, 255, 255); }), 300 * 200);
}

TEST_F(ControlPainters, TheBackgroundResolvesSystemColours) {
    box->SetColor(clBtnFace);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    EXPECT_EQ(Printed().Pixel(150, 100), face);
}

// Two labels in different fonts painted in one pass each keep their own font, and the pass
// gives the device context back as it found it, for what the container draws after them.
TEST_F(ControlPainters, OnePassKeepsEachChildsFontAndGivesTheDcBack) {
    const auto addLabel = [&](int top, int fontHeight) {
        auto* added = new TLabel(&form);
        added->SetParent(box);
        added->SetBounds(10, top, 200, 60);
        added->SetCaption("W");
        added->GetFont()->SetHeight(fontHeight);
    };
    const auto inkAt = [&](int top) {
        return Printed().Count({10, top, 210, top + 60}, [](COLORREF c) { return c != RGB(255, 255, 255); });
    };
    addLabel(10, -10);
    const int smallInk = inkAt(10);
    addLabel(100, -40);
    EXPECT_GT(smallInk, 0);
    EXPECT_EQ(inkAt(10), smallInk);
    EXPECT_GT(inkAt(100), 4 * smallInk);

    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    const RECT everything{0, 0, 300, 200};
    PaintChildControls(*box, dc, everything);
    POINT origin{-1, -1};
    GetViewportOrgEx(dc, &origin);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, clip), 0);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    DeleteObject(clip);
    DeleteDC(dc);
}

}  // namespace
