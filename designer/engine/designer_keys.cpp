// The keyboard on the design surface: arrows move and resize the selection, Tab walks
// through the controls, Delete deletes, Esc ends a drag or selects the surface.
#include "design_drag.h"
#include "designer.h"

namespace {
constexpr uint32_t kTab = 0x09, kEscape = 0x1B, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kDelete = 0x2E;

TPoint Direction(uint32_t key) {
    switch (key) {
        case kLeft: return {-1, 0};
        case kRight: return {1, 0};
        case kUp: return {0, -1};
        case kDown: return {0, 1};
        default: return {0, 0};
    }
}
}  // namespace

bool TELDesigner::Key(const TInputEvent& input) {
    const TShiftState modifiers = input.Shift & (ssShift | ssCtrl | ssAlt);
    switch (input.Key) {
        case kLeft:
        case kRight:
        case kUp:
        case kDown:
            if (modifiers & ssAlt) return false;
            if (!drag_) NudgeSelection(input.Key, modifiers);
            return true;
        case kTab:
            if (modifiers & (ssCtrl | ssAlt)) return false;
            SelectNeighbour(modifiers & ssShift ? -1 : 1);
            return true;
        case kEscape:
            if (modifiers) return false;
            if (drag_)
                CancelDrag();
            else
                selection_.ClearExcept(designControl_);
            return true;
        case kDelete:
            if (modifiers) return false;
            DeleteSelectedControls();
            return true;
        default: return false;
    }
}

// Arrows move by the grid step, with Ctrl by one pixel; with Shift they resize, by one
// pixel, with Ctrl too by the grid step. A held arrow is one step of the history.
void TELDesigner::NudgeSelection(uint32_t key, TShiftState shift) {
    const TPoint direction = Direction(key);
    const bool resize = shift & ssShift;
    const bool byGrid = resize == static_cast<bool>(shift & ssCtrl);
    const std::string mergeKey = std::string(resize ? "size" : "move") + (byGrid ? "-grid" : "-pixel");
    const TChangeScope change(*this, mergeKey);
    std::vector<std::pair<TControl*, TRect>> bounds;
    for (TControl* control : SelectedChildren()) {
        if (Locked(control, resize ? lmNoResize : lmNoMove)) continue;
        TRect r = control->BoundsRect();
        int& x = resize ? r.Right : r.Left;
        int& y = resize ? r.Bottom : r.Top;
        const int oldX = x, oldY = y;
        if (direction.X) x = byGrid && snapToGrid_ ? TELDesignerGrid::NextLine(x, grid_->GetXStep(), direction.X)
                                                   : x + direction.X * (byGrid ? grid_->GetXStep() : 1);
        if (direction.Y) y = byGrid && snapToGrid_ ? TELDesignerGrid::NextLine(y, grid_->GetYStep(), direction.Y)
                                                   : y + direction.Y * (byGrid ? grid_->GetYStep() : 1);
        if (resize) {
            r.Right = std::max(r.Right, r.Left + 1);
            r.Bottom = std::max(r.Bottom, r.Top + 1);
        } else {
            r.Right += x - oldX;
            r.Bottom += y - oldY;
        }
        bounds.emplace_back(control, r);
    }
    SetChildBounds(bounds);
}

void TELDesigner::SetChildBounds(const std::vector<std::pair<TControl*, TRect>>& bounds) {
    for (const auto& [control, r] : bounds) control->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    InvalidateSurface();
}

// Tab selects the next child in child order, wrapping; from the surface or nothing, the first.
void TELDesigner::SelectNeighbour(int direction) {
    const int count = designControl_->ControlCount();
    if (count == 0) return;
    TControl* current = selection_.GetDefaultControl();
    int index = -1;
    for (int i = 0; i < count; ++i)
        if (designControl_->Controls(i) == current) index = i;
    const int next = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
    selection_.ClearExcept(designControl_->Controls(next));
}
