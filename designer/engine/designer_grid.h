// The designer's own grid: the steps that dragging and the arrow keys snap to.
#pragma once
#include <cstdint>

#include "support/framework/event.h"
#include "support/framework/graphics.h"
#include "support/framework/persistent.h"

class TELDesignerGrid : public TPersistent {
    PENDREL_CLASS(TELDesignerGrid, TPersistent)
public:
    // Steps are signed 8-bit values; anything outside 1..127 would not be a usable step.
    static constexpr int kMinStep = 1;
    static constexpr int kMaxStep = 127;

    TELDesignerGrid() = default;

    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    int8_t GetXStep() const { return xStep_; }
    void SetXStep(int8_t value);
    int8_t GetYStep() const { return yStep_; }
    void SetYStep(int8_t value);
    TColor GetColor() const { return color_; }
    void SetColor(TColor value);
    // Steps from wider integers (stored settings), brought into range.
    void SetSteps(int x, int y);

    // The nearest grid line to a coordinate.
    int SnapX(int x) const { return Snap(x, xStep_); }
    int SnapY(int y) const { return Snap(y, yStep_); }
    // The next grid line from a coordinate in a direction (+1 or -1), never the coordinate itself.
    static int NextLine(int value, int step, int direction);

    void Assign(const TPersistent* source) override;

    TEvent<TObject*> OnChange;

private:
    static int Snap(int value, int step);
    static int8_t Clamped(int value);
    template <class V>
    void Change(V& field, V value) {
        if (field == value) return;
        field = value;
        OnChange(this);
    }

    bool visible_ = false;
    int8_t xStep_ = 8;
    int8_t yStep_ = 8;
    TColor color_ = clBlack;
};
