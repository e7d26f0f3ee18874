// The settings of the dotted grid a design panel draws while it is being designed.
#pragma once
#include "support/framework/event.h"
#include "support/framework/graphics.h"
#include "support/framework/persistent.h"

class HCustomDesignGrid : public TPersistent {
    PENDREL_CLASS(HCustomDesignGrid, TPersistent)
public:
    // Steps are kept within these bounds: the grid tile is a whole number of steps wide.
    static constexpr int kMinStep = 1;
    static constexpr int kMaxStep = 512;

    HCustomDesignGrid() = default;

    int GetWidth() const { return width_; }
    void SetWidth(int value);
    int GetHeight() const { return height_; }
    void SetHeight(int value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    TColor GetBkColor() const { return bkColor_; }
    void SetBkColor(TColor value);
    TColor GetGridColor() const { return gridColor_; }
    void SetGridColor(TColor value);

    void Assign(const TPersistent* source) override;

    // Runs after any of the values changed.
    TEvent<TObject*> OnChange;

protected:
    void idRepaint();

private:
    template <class V>
    void Change(V& field, V value) {
        if (field == value) return;
        field = value;
        idRepaint();
    }

    int width_ = 10;
    int height_ = 10;
    bool visible_ = true;
    TColor bkColor_ = clBtnFace;
    TColor gridColor_ = clGray;
};

class HDesignGrid : public HCustomDesignGrid {
    PENDREL_CLASS(HDesignGrid, HCustomDesignGrid)
public:
    HDesignGrid() = default;
};
