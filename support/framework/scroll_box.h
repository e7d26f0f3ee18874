// Containers whose client area scrolls over their children.
#pragma once
#include "std_controls.h"

class TScrollingWinControl;

class TControlScrollBar : public TPersistent {
    PENDREL_CLASS(TControlScrollBar, TPersistent)
public:
    TControlScrollBar(TScrollingWinControl* control, bool horizontal) : control_(control), horizontal_(horizontal) {}

    int GetPosition() const { return position_; }
    // Scrolls the children so that the client area starts at this offset.
    void SetPosition(int value);
    int GetRange() const { return range_; }
    void SetRange(int value);
    int GetIncrement() const { return increment_; }
    void SetIncrement(int value) { increment_ = value; }
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    bool Horizontal() const { return horizontal_; }
    // Largest position the current range allows.
    int MaxPosition() const;

private:
    TScrollingWinControl* control_;
    bool horizontal_;
    int position_ = 0;
    int range_ = 0;
    int increment_ = 8;
    bool visible_ = true;
};

class TScrollingWinControl : public TWinControl {
    PENDREL_CLASS(TScrollingWinControl, TWinControl)
public:
    explicit TScrollingWinControl(TComponent* owner);
    ~TScrollingWinControl() override;

    TControlScrollBar* GetHorzScrollBar() const { return horz_; }
    TControlScrollBar* GetVertScrollBar() const { return vert_; }
    bool GetAutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value);
    // While suspended, the scroll ranges do not follow the children.
    void DisableAutoRange() { ++autoRangeDisabled_; }
    void EnableAutoRange();
    void UpdateAutoRange();
    void ScrollChildren(int dx, int dy);

protected:
    void BoundsChanged() override;

private:
    TControlScrollBar* horz_;
    TControlScrollBar* vert_;
    bool autoScroll_ = true;
    int autoRangeDisabled_ = 0;
};

class TScrollBox : public TScrollingWinControl {
    PENDREL_CLASS(TScrollBox, TScrollingWinControl)
public:
    explicit TScrollBox(TComponent* owner);
    TBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);

private:
    TBorderStyle borderStyle_ = bsSingle;
};
