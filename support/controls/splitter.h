// A bar between aligned controls: dragging it resizes the control it is aligned against
// (its neighbour), which keeps at least MinSize, as does the room on the bar's other side.
#pragma once
#include "support/framework/control.h"

class TSplitter : public TControl {
    PENDREL_CLASS(TSplitter, TControl)
public:
    explicit TSplitter(TComponent* owner);

    int GetMinSize() const { return minSize_; }
    void SetMinSize(int value);
    // The visible sibling with the same alignment whose edge touches the bar; null when none.
    TControl* Neighbour() const;

    void MouseDown(TMouseButton button, TShiftState shift, TPoint position) override;
    void MouseMove(TShiftState shift, TPoint position) override;
    void MouseUp(TMouseButton button, TShiftState shift, TPoint position) override;

    // After a drag that changed the neighbour's size.
    TEvent<TObject*> OnMoved;

private:
    bool Horizontal() const { return GetAlign() == alTop || GetAlign() == alBottom; }
    // Along the drag direction: the mouse position in the parent, and a control's size.
    int ParentCoordinate(TPoint position) const;
    int SizeOf(const TControl& control) const;
    // The room between the bar and the far side of the area its neighbour grows into.
    int RoomBeyond() const;
    void Resize(int size);

    int minSize_ = 30;
    TControl* dragged_ = nullptr;
    int dragStart_ = 0;
    int startSize_ = 0;
    int maxSize_ = 0;
};
