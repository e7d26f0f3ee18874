// A design surface with keys on a form, its designer engine active, and input sent to it as
// the platform delivers it: real window messages under Windows, the engine's input calls
// elsewhere.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/surface/design_panel.h"
#include "designer/engine/designer.h"
#include "designer/engine/designer_panel.h"
#include "keys/osk_keys.h"

class EngineTest : public ::testing::Test {
protected:
    EngineTest();
    ~EngineTest() override;

    OSKKey* AddKey(const std::string& name, int left, int top, int width = 24, int height = 24);
    TEdit* AddEdit(const std::string& name, int left, int top);
    // The surface's layout in text form, as a file would hold it.
    std::string Text();
    TRect Bounds(const TControl* control) const { return control->BoundsRect(); }
    // The controls added so far are one change made outside the engine; counting starts anew.
    void Settle();
    std::vector<TControl*> Selected() const { return designer->GetSelectedControls()->Controls(); }

    // Mouse input at points of the surface's client area.
    void Press(int x, int y, TShiftState shift = 0, TMouseButton button = mbLeft);
    void MoveTo(int x, int y, TShiftState shift = 0);
    void Release(int x, int y, TShiftState shift = 0, TMouseButton button = mbLeft);
    void Click(int x, int y, TShiftState shift = 0);
    // Press, a step on the way, the end point, release.
    void Drag(int fromX, int fromY, int toX, int toY, TShiftState shift = 0);
    void Key(uint32_t key, TShiftState shift = 0);

    TWinControl* root = nullptr;
    TELDesignPanel* panel = nullptr;
    HDesignPanel* surface = nullptr;
    TELDesigner* designer = nullptr;
    int changes = 0;
    int selectionChanges = 0;
};

// What an overlay painted, rectangle by rectangle.
class TRecordingCanvas : public IOverlayCanvas {
public:
    struct TShape {
        char Kind;  // 'F' fill, 'R' frame, 'B' focus rectangle
        TRect Area;
        TColor Color;
    };
    void FillRect(const TRect& area, TColor color) override { Shapes.push_back({'F', area, color}); }
    void FrameRect(const TRect& area, TColor color) override { Shapes.push_back({'R', area, color}); }
    void FocusRect(const TRect& area) override { Shapes.push_back({'B', area, clNone}); }
    int Count(char kind, TColor color) const;
    std::vector<TShape> Shapes;
};

inline bool operator==(const TRect& a, const TRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}
inline std::ostream& operator<<(std::ostream& out, const TRect& r) {
    return out << "{" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << "}";
}

// The platform's side of the fixture.
TWinControl* MakeRootForm();
void ShowRootForm(TWinControl& root);
void SendMouse(EngineTest& test, TInputKind kind, TMouseButton button, TPoint point, TShiftState shift,
               TWinControl& surface, TELDesigner& designer);
// A menu about to show closes again as soon as its loop runs.
void CloseMenuWhenShown();
void SendKey(uint32_t key, TShiftState shift, TELDesignPanel& panel, TELDesigner& designer);
