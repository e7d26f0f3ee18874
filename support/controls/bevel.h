// Plain controls that frame parts of a form: a bevel (a box, frame or line drawn by its
// parent window) and a panel (a container with a bevelled edge and a centred caption).
#pragma once
#include "support/framework/win_control.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
PENDREL_ENUM_TYPEINFO(TBevelShape, "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer");
enum TBevelStyle { bsLowered, bsRaised };
PENDREL_ENUM_TYPEINFO(TBevelStyle, "bsLowered", "bsRaised");
enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
PENDREL_ENUM_TYPEINFO(TPanelBevel, "bvNone", "bvLowered", "bvRaised", "bvSpace");

class TBevel : public TControl {
    PENDREL_CLASS(TBevel, TControl)
public:
    explicit TBevel(TComponent* owner);

    TBevelShape GetShape() const { return shape_; }
    void SetShape(TBevelShape value);
    TBevelStyle GetStyle() const { return style_; }
    void SetStyle(TBevelStyle value);

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

class TPanel : public TWinControl {
    PENDREL_CLASS(TPanel, TWinControl)
public:
    explicit TPanel(TComponent* owner);

    TPanelBevel GetBevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel value);
    TPanelBevel GetBevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel value);
    // The width of each bevel, 1 or more.
    int GetBevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    // How far the bevels reach in from the edge: aligned children stay inside them.
    int BorderInset() const;

protected:
    void AlignControls(TRect& area) override;

private:
    void Changed();

    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int bevelWidth_ = 1;
};
