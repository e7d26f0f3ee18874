#include "designer_grid.h"

#include <algorithm>

#include "support/framework/class_builder.h"

PENDREL_IMPLEMENT_CLASS(TELDesignerGrid)

void TELDesignerGrid::DeclareProperties(TClassBuilder<TELDesignerGrid>& c) {
    using G = TELDesignerGrid;
    c.Property("Color", &G::GetColor, &G::SetColor).Default(clBlack);
    c.Property("Visible", &G::GetVisible, &G::SetVisible).Default(false);
    c.Property("XStep", &G::GetXStep, &G::SetXStep).Default(8);
    c.Property("YStep", &G::GetYStep, &G::SetYStep).Default(8);
}

int8_t TELDesignerGrid::Clamped(int value) { return static_cast<int8_t>(std::clamp(value, kMinStep, kMaxStep)); }

void TELDesignerGrid::SetVisible(bool value) { Change(visible_, value); }
void TELDesignerGrid::SetXStep(int8_t value) { Change(xStep_, Clamped(value)); }
void TELDesignerGrid::SetYStep(int8_t value) { Change(yStep_, Clamped(value)); }
void TELDesignerGrid::SetColor(TColor value) { Change(color_, value); }

void TELDesignerGrid::SetSteps(int x, int y) {
    SetXStep(Clamped(x));
    SetYStep(Clamped(y));
}

namespace {
// The grid line at or below a coordinate, for negative coordinates too.
int LineBelow(int value, int step) { return value >= 0 ? value / step * step : -((-value + step - 1) / step * step); }
}  // namespace

int TELDesignerGrid::Snap(int value, int step) {
    const int below = LineBelow(value, step);
    return (value - below) * 2 >= step ? below + step : below;
}

int TELDesignerGrid::NextLine(int value, int step, int direction) {
    const int below = LineBelow(value, step);
    if (direction > 0) return below + step;
    return below == value ? value - step : below;
}

void TELDesignerGrid::Assign(const TPersistent* source) {
    const auto* grid = dynamic_cast<const TELDesignerGrid*>(source);
    if (!grid) return TPersistent::Assign(source);
    SetVisible(grid->visible_);
    SetXStep(grid->xStep_);
    SetYStep(grid->yStep_);
    SetColor(grid->color_);
}
