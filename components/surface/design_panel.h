// The scrolling container that hosts a layout: it draws its own frame, and around its
// children either a dotted grid (while designed, or when forced) or a background picture.
#pragma once
#include <algorithm>
#include <memory>

#include "support/framework/anchors.h"
#include "design_grid.h"
#include "support/framework/scroll_box.h"
#include "support/gdi/bitmap.h"
#include "support/gdi/blt_types.h"
#include "support/gdi/box_types.h"
#include "support/menus/popup_menu.h"

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

    // The menu a right click on the panel shows; cleared when the menu goes away.
    TPopupMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* value);
    // Scales the panel and its keys; hands both numbers to ChangeScale.
    void SetScale(int multiplier, int divisor) { ChangeScale(multiplier, divisor); }

    // Its size changes only as OnCanResize allows and within the limits OnConstrainedResize sets.
    void SetBounds(int left, int top, int width, int height) override;
    void Notification(TComponent* component, TOperation operation) override;

    TEvent<TObject*, int&, int&, bool&> OnCanResize;                  // new width, new height, resize
    TEvent<TObject*> OnClick;
    TEvent<TObject*, int&, int&, int&, int&> OnConstrainedResize;     // min width, min height, max width, max height
    TEvent<TObject*, TPoint, bool&> OnContextPopup;                  // position in the panel, handled
    TEvent<TObject*> OnDblClick;
    TEvent<TObject*> OnEnter;
    TEvent<TObject*> OnExit;
    TEvent<TObject*, TMouseButton, TShiftState, int, int> OnMouseDown;
    TEvent<TObject*, TShiftState, int, int> OnMouseMove;
    TEvent<TObject*, TMouseButton, TShiftState, int, int> OnMouseUp;
    TEvent<TObject*, TShiftState, int, TPoint, bool&> OnMouseWheel;  // delta, position, handled
    TEvent<TObject*, TShiftState, TPoint, bool&> OnMouseWheelDown;
    TEvent<TObject*, TShiftState, TPoint, bool&> OnMouseWheelUp;
    TEvent<TObject*> OnResize;

    void MouseDown(TMouseButton button, TShiftState shift, TPoint position) override;
    void MouseMove(TShiftState shift, TPoint position) override;
    void MouseUp(TMouseButton button, TShiftState shift, TPoint position) override;
    void Click() override { OnClick(this); }
    void DblClick() override { OnDblClick(this); }
    void FocusChanged(bool focused) override;
    bool MouseWheel(TShiftState shift, int delta, TPoint position) override;
    bool ContextPopup(TPoint screenPosition) override;

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
    void BoundsChanged() override;

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
    TPopupMenu* popupMenu_ = nullptr;
    int lastWidth_ = 0, lastHeight_ = 0;
};

class HDesignPanel : public HCustomDesignPanel {
    PENDREL_CLASS(HDesignPanel, HCustomDesignPanel)
public:
    using HCustomDesignPanel::HCustomDesignPanel;
};
