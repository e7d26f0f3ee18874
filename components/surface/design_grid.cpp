#include "design_grid.h"

#include <algorithm>

PENDREL_IMPLEMENT_CLASS(HCustomDesignGrid)

void HCustomDesignGrid::DeclareProperties(TClassBuilder<HCustomDesignGrid>&) {}

void HCustomDesignGrid::SetWidth(int value) { Change(width_, std::clamp(value, kMinStep, kMaxStep)); }

void HCustomDesignGrid::SetHeight(int value) { Change(height_, std::clamp(value, kMinStep, kMaxStep)); }

void HCustomDesignGrid::SetVisible(bool value) { Change(visible_, value); }

void HCustomDesignGrid::SetBkColor(TColor value) { Change(bkColor_, value); }

void HCustomDesignGrid::SetGridColor(TColor value) { Change(gridColor_, value); }

void HCustomDesignGrid::Assign(const TPersistent* source) {
    const auto* grid = dynamic_cast<const HCustomDesignGrid*>(source);
    if (!grid) return TPersistent::Assign(source);
    SetWidth(grid->width_);
    SetHeight(grid->height_);
    SetVisible(grid->visible_);
    SetBkColor(grid->bkColor_);
    SetGridColor(grid->gridColor_);
}

void HCustomDesignGrid::idRepaint() {
    if (OnChange) OnChange(this);
}

PENDREL_IMPLEMENT_CLASS(HDesignGrid)

void HDesignGrid::DeclareProperties(TClassBuilder<HDesignGrid>& c) {
    c.Property("Width", &HDesignGrid::GetWidth, &HDesignGrid::SetWidth).Default(10);
    c.Property("Height", &HDesignGrid::GetHeight, &HDesignGrid::SetHeight).Default(10);
    c.Property("Visible", &HDesignGrid::GetVisible, &HDesignGrid::SetVisible).Default(true);
    c.Property("BkColor", &HDesignGrid::GetBkColor, &HDesignGrid::SetBkColor).Type(ColorTypeInfo()).Default(clBtnFace);
    c.Property("GridColor", &HDesignGrid::GetGridColor, &HDesignGrid::SetGridColor).Type(ColorTypeInfo()).Default(clGray);
}
