// The drop-down grid of a colour picker: its colours and where each cell and button lies.
#pragma once
#include <string>
#include <vector>

#include "support/framework/geometry.h"
#include "support/framework/graphics.h"

// The forty standard colours, row by row.
const std::vector<TColor>& StandardPaletteColors();
// The system colours a picker offers (scroll bar up to the tool tip background).
const std::vector<TColor>& SystemPaletteColors();

// What lies at a point of the grid.
struct TPaletteHit {
    enum TKind { None, Cell, StandardButton, CustomButton } Kind = None;
    int Index = -1;  // the cell's colour index for Cell
};

class TColorPaletteLayout {
public:
    static constexpr int kColumns = 8;
    static constexpr int kCellSide = 18;
    static constexpr int kMargin = 4;
    static constexpr int kButtonHeight = 22;
    static constexpr int kSystemGap = 6;

    // Cells for the standard colours, then (with system colours) a gap and the system ones.
    TColorPaletteLayout(bool withSystemColors, bool withStandardButton, bool withCustomButton);

    const std::vector<TColor>& Colors() const { return colors_; }
    int Width() const;
    int Height() const { return height_; }
    TRect CellRect(int index) const;
    // Empty when the button is not shown.
    TRect StandardButtonRect() const { return standardButton_; }
    TRect CustomButtonRect() const { return customButton_; }
    TPaletteHit HitTest(TPoint point) const;
    // The cell of a colour; -1 when the grid does not hold it.
    int IndexOf(TColor color) const;

private:
    std::vector<TColor> colors_;
    int standardCount_ = 0;
    int systemTop_ = 0;
    TRect standardButton_{}, customButton_{};
    int height_ = 0;
};
