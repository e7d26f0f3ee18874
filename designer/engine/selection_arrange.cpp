// Stacking and alignment of the selected children; controls locked against moving stay.
#include "align_geometry.h"
#include "designer.h"
#include "selected_controls.h"

namespace {
TRect Sized(const TRect& r, const TControl& control) {
    return {r.Left, r.Top, r.Left + control.GetWidth(), r.Top + control.GetHeight()};
}
}  // namespace

void TELDesignerSelectedControls::BringToFront() {
    if (!designer_.active_) return;
    const TELDesigner::TChangeScope change(designer_);
    // In child order, so that they keep their order among themselves on top.
    for (TControl* control : designer_.SelectedInChildOrder()) control->BringToFront();
}

void TELDesignerSelectedControls::SendToBack() {
    if (!designer_.active_) return;
    const TELDesigner::TChangeScope change(designer_);
    const std::vector<TControl*> ordered = designer_.SelectedInChildOrder();
    for (auto it = ordered.rbegin(); it != ordered.rend(); ++it) (*it)->SendToBack();
}

void TELDesignerSelectedControls::AlignToGrid() {
    if (!designer_.active_) return;
    const TELDesigner::TChangeScope change(designer_);
    const TELDesignerGrid& grid = *designer_.GetGrid();
    std::vector<std::pair<TControl*, TRect>> bounds;
    for (TControl* control : designer_.SelectedChildren()) {
        if (designer_.Locked(control, lmNoMove)) continue;
        const TRect r{grid.SnapX(control->GetLeft()), grid.SnapY(control->GetTop()), 0, 0};
        bounds.emplace_back(control, Sized(r, *control));
    }
    designer_.SetChildBounds(bounds);
}

void TELDesignerSelectedControls::Align(int horizontal, int vertical) {
    if (!designer_.active_) return;
    const std::vector<TControl*> children = designer_.SelectedChildren();
    if (children.empty()) return;
    const TELDesigner::TChangeScope change(designer_);
    std::vector<TRect> rects;
    for (const TControl* control : children) rects.push_back(control->BoundsRect());
    const TWinControl& surface = *designer_.GetDesignControl();
    const std::vector<TRect> aligned =
        AlignRects(rects, horizontal, vertical, {surface.ClientWidth(), surface.ClientHeight()});
    std::vector<std::pair<TControl*, TRect>> bounds;
    for (size_t i = 0; i < children.size(); ++i)
        if (!designer_.Locked(children[i], lmNoMove)) bounds.emplace_back(children[i], aligned[i]);
    designer_.SetChildBounds(bounds);
}
