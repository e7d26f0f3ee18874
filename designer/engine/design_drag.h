// What a press on the design surface has started, from the press to the release.
#pragma once
#include <algorithm>
#include <utility>
#include <vector>

#include "selection_handles.h"
#include "snap_guides.h"
#include "support/framework/object.h"
#include "support/framework/shortcut.h"

class TControl;

enum class TDragKind {
    Pending,     // pressed on a control, not moved far enough yet to be a drag
    Move,        // the selected controls follow the mouse
    Resize,      // a handle of the one selected control follows the mouse
    RubberBand,  // a rectangle selects the controls it touches
    Insert,      // a new control is drawn
};

struct TDesignDrag {
    TDragKind Kind = TDragKind::Pending;
    TPoint Start;  // where the press was, in the surface's client coordinates
    TPoint Last;
    TShiftState Shift = 0;
    TControl* Pressed = nullptr;  // the child under the press, if any
    TSelectionHandle Handle = shNone;
    // The controls a move or resize changes, with their bounds at the press.
    std::vector<std::pair<TControl*, TRect>> Origins;
    TClass InsertClass = nullptr;
    std::vector<TGuideLine> Guides;
    bool Changing = false;  // a move or resize has begun its change of the design

    TRect Band() const {
        return {std::min(Start.X, Last.X), std::min(Start.Y, Last.Y), std::max(Start.X, Last.X),
                std::max(Start.Y, Last.Y)};
    }
};
