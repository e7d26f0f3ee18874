// The scrolling container that hosts a layout: it draws its own frame, and around its
// children either a dotted grid (while designed, or when forced) or a background picture.
#pragma once
#include <algorithm>
#include <memory>

#include "anchors.h"
#include "design_grid.h"
#include "support/framework/scroll_box.h"
#include "support/gdi/bitmap.h"
#include "support/gdi/blt_types.h"
#include "support/gdi/box_types.h"

class HCustomDesignPanel : public TScrollingWinControl {
    PENDREL_CLASS(HCustomDesignPanel, TScrollingWinControl)
public:
    explicit HCustomDesignPanel(TComponent* owner);
    ~HCustomDesignPanel() override;

    HDesignGrid* GetGrid() const { return grid_.get(); }
    // The grid and the background are the panel's own; stored forms fill them in place.
    void SetGrid(HDesignGrid*) {}
    HBOX_Types GetBorderStyle() const { return borderStyle_; }
    // Makes the window again, so that it has room for the new frame; the children stay.
    void SetBorderStyle(HBOX_Types value);
    TColor GetBorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TAnchors GetAllowFrameResize() const { return allowFrameResize_; }
    void SetAllowFrameResize(TAnchors value) { allowFrameResize_ = value; }
    bool GetForceGrid() const { return forceGrid_; }
    void SetForceGrid(bool value);
    // The panel's colour is the grid's background colour.
    TColor GetColor() const { return grid_ ? grid_->GetBkColor() : clBtnFace; }
    void SetColor(TColor value);
    HBitmap* GetBackground() const { return background_.get(); }
    void SetBackground(HBitmap*) {}
    HBT_Types GetBkMode() const { return bkMode_; }
    void SetBkMode(HBT_Types value);

    // Pixels the frame takes on each side.
    int FrameWidth() const { return TC_BoxWidth(borderStyle_); }
    int ClientWidth() const override;
    int ClientHeight() const override;

    // Whether the grid is drawn instead of the background.
    bool GridShown() const;
    // Whether the grid tile was built for the current scroll positions.
    bool PatternCurrent() const;
    // Builds the grid tile for the current grid and scroll positions.
    void UpdateBitmap();
    const HBitmap& PatternBitmap() const { return *patternBitmap_; }
    // Counts the builds of the tile, so that a window knows when its brush is out of date.
    int PatternVersion() const { return patternVersion_; }
    // Repaints the frame, when the window exists.
    void NCInvalidate();
    void ParentColorChanged() override;

protected:
    void idGridChange(TObject* sender);
    void idBackgroundChange(TObject* sender);

private:
    void RecreateWindow();

    std::unique_ptr<HBitmap> patternBitmap_;
    TPoint patternScroll_;
    int patternVersion_ = 0;
    std::unique_ptr<HDesignGrid> grid_;
    HBOX_Types borderStyle_ = HBOX_Lower;
    TColor borderColor_ = clBlack;
    TAnchors allowFrameResize_;
    bool forceGrid_ = false;
    std::unique_ptr<HBitmap> background_;
    HBT_Types bkMode_ = HBT_Tile;
};

class HDesignPanel : public HCustomDesignPanel {
    PENDREL_CLASS(HDesignPanel, HCustomDesignPanel)
public:
    using HCustomDesignPanel::HCustomDesignPanel;
};
