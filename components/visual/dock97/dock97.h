// A dock: a strip along one edge of a form that holds dockable windows in rows. It is as
// thick as its rows need, and takes no room when it holds no shown window.
#pragma once
#include <vector>

#include "support/framework/set.h"
#include "support/framework/win_control.h"

enum TDockPosition { dpTop, dpBottom, dpLeft, dpRight };
PENDREL_ENUM_TYPEINFO(TDockPosition, "dpTop", "dpBottom", "dpLeft", "dpRight");
using TDockableTo = TSet<TDockPosition>;

class TCustomDockableWindow97;

// Where a window dropped on a dock goes: a row (-1 before the first, the row count after
// the last) and a position along it.
struct TDockSlot {
    int Row = 0;
    int Pos = 0;
};

class TDock97 : public TWinControl {
    PENDREL_CLASS(TDock97, TWinControl)
public:
    explicit TDock97(TComponent* owner);

    TDockPosition GetPosition() const { return position_; }
    // Aligns the dock to that edge of its parent.
    void SetPosition(TDockPosition value);
    bool Horizontal() const { return position_ == dpTop || position_ == dpBottom; }

    // The docked windows, shown or hidden, in child order.
    std::vector<TCustomDockableWindow97*> DockedWindows() const;
    int RowCount() const;
    // Places the shown windows row after row, each at its DockPos unless the window before it
    // reaches further; renumbers the rows from 0 and makes the dock as thick as they are.
    void ArrangeWindows();
    // The slot for a point in client coordinates: the row under it, and the position of a
    // window grabbed alongOffset pixels from its leading edge.
    TDockSlot SlotAt(TPoint point, int alongOffset) const;

    // The docks among a control's children, at any depth, in child order.
    static std::vector<TDock97*> DocksIn(const TWinControl& root);

protected:
    void AlignControls(TRect& area) override;

private:
    // The shown windows grouped by row, rows in order, each row in the order of DockPos.
    std::vector<std::vector<TCustomDockableWindow97*>> Rows() const;
    int Along(const TControl& c) const { return Horizontal() ? c.GetLeft() : c.GetTop(); }
    int Across(const TControl& c) const { return Horizontal() ? c.GetTop() : c.GetLeft(); }
    int Length(const TControl& c) const { return Horizontal() ? c.GetWidth() : c.GetHeight(); }
    int Thickness(const TControl& c) const { return Horizontal() ? c.GetHeight() : c.GetWidth(); }
    void SetThickness(int thickness);

    TDockPosition position_ = dpTop;
    bool arranging_ = false;
};
