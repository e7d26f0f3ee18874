#include "color_palette.h"

#include <algorithm>

const std::vector<TColor>& StandardPaletteColors() {
    static const std::vector<TColor> colors = {
        0x000000, 0x003399, 0x003333, 0x003300, 0x663300, 0x800000, 0x993333, 0x333333,
        0x000080, 0x0066FF, 0x008080, 0x008000, 0x808000, 0xFF0000, 0x996666, 0x808080,
        0x0000FF, 0x0099FF, 0x00CC99, 0x669933, 0xCCCC33, 0xFF6633, 0x800080, 0x999999,
        0xFF00FF, 0x00CCFF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFFCC00, 0x663399, 0xC0C0C0,
        0xCC99FF, 0x99CCFF, 0x99FFFF, 0xCCFFCC, 0xFFFFCC, 0xFFCC99, 0xFF99CC, 0xFFFFFF,
    };
    return colors;
}

const std::vector<TColor>& SystemPaletteColors() {
    static const std::vector<TColor> colors = [] {
        std::vector<TColor> all;
        for (int index = 0; index <= 24; ++index) all.push_back(SystemColor(index));
        return all;
    }();
    return colors;
}

namespace {
using L = TColorPaletteLayout;
int RowsOf(int count) { return (count + L::kColumns - 1) / L::kColumns; }
}  // namespace

TColorPaletteLayout::TColorPaletteLayout(bool withSystemColors, bool withStandardButton, bool withCustomButton)
    : colors_(StandardPaletteColors()), standardCount_(static_cast<int>(colors_.size())) {
    int bottom = kMargin + RowsOf(standardCount_) * kCellSide;
    if (withSystemColors) {
        systemTop_ = bottom + kSystemGap;
        colors_.insert(colors_.end(), SystemPaletteColors().begin(), SystemPaletteColors().end());
        bottom = systemTop_ + RowsOf(static_cast<int>(colors_.size()) - standardCount_) * kCellSide;
    }
    for (auto [shown, rect] : {std::pair{withStandardButton, &standardButton_}, std::pair{withCustomButton, &customButton_}}) {
        if (!shown) continue;
        bottom += kMargin;
        *rect = {kMargin, bottom, Width() - kMargin, bottom + kButtonHeight};
        bottom += kButtonHeight;
    }
    height_ = bottom + kMargin;
}

int TColorPaletteLayout::Width() const { return 2 * kMargin + kColumns * kCellSide; }

TRect TColorPaletteLayout::CellRect(int index) const {
    if (index < 0 || index >= static_cast<int>(colors_.size())) return {};
    const bool system = index >= standardCount_;
    const int position = system ? index - standardCount_ : index;
    const int left = kMargin + position % kColumns * kCellSide;
    const int top = (system ? systemTop_ : kMargin) + position / kColumns * kCellSide;
    return {left, top, left + kCellSide, top + kCellSide};
}

TPaletteHit TColorPaletteLayout::HitTest(TPoint point) const {
    if (standardButton_.Contains(point)) return {TPaletteHit::StandardButton, -1};
    if (customButton_.Contains(point)) return {TPaletteHit::CustomButton, -1};
    for (int i = 0; i < static_cast<int>(colors_.size()); ++i)
        if (CellRect(i).Contains(point)) return {TPaletteHit::Cell, i};
    return {};
}

int TColorPaletteLayout::IndexOf(TColor color) const {
    const auto it = std::find(colors_.begin(), colors_.end(), color);
    return it == colors_.end() ? -1 : static_cast<int>(it - colors_.begin());
}
