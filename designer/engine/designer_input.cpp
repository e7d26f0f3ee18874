// The mouse on the design surface: pressing selects, dragging moves, resizes, draws a rubber
// band or a new control; the right button opens the design menu.
#include <cstdlib>

#include "design_drag.h"
#include "designer.h"
#include "designer_panel.h"
#include "support/design/component_editor.h"
#include "support/menus/popup_menu.h"

namespace {
bool Beyond(TPoint a, TPoint b, int threshold) {
    return std::abs(a.X - b.X) > threshold || std::abs(a.Y - b.Y) > threshold;
}

bool Intersects(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}
}  // namespace

bool TELDesigner::DesignInput(TWinControl& container, const TInputEvent& input) {
    if (!active_ || !designControl_) return false;
    if (!input.IsMouse()) {
        if (input.Kind == TInputKind::KeyDown && Key(input)) return true;
        // Nothing inside the surface may act on keys; the panel lets others pass to the window.
        return &container == designControl_;
    }
    if (input.Kind == TInputKind::Wheel) return false;
    TInputEvent local = input;
    local.Point = SurfacePoint(container, input.Point);
    return SurfaceMouse(local);
}

TPoint TELDesigner::SurfacePoint(TWinControl& container, TPoint point) const {
    if (&container == designControl_) return point;
    return designControl_->ScreenToClient(container.ClientToScreen(point));
}

bool TELDesigner::SurfaceMouse(const TInputEvent& input) {
    switch (input.Kind) {
        case TInputKind::MouseDown:
        case TInputKind::DoubleClick:
            if (input.Button == mbLeft) {
                if (designPanel_) designPanel_->SetFocus();
                if (input.Kind == TInputKind::DoubleClick && ChildAt(input.Point)) {
                    OpenComponentEditor(ChildAt(input.Point));
                    return true;
                }
                if (!drag_) Press(input);
            } else if (input.Button == mbRight && !drag_) {
                if (designPanel_) designPanel_->SetFocus();
                TControl* under = ChildAt(input.Point);
                if (!selection_.Contains(under ? under : designControl_)) selection_.ClearExcept(under ? under : designControl_);
            }
            return true;
        case TInputKind::MouseMove:
            if (drag_) Drag(input);
            return true;
        case TInputKind::MouseUp:
            if (input.Button == mbLeft && drag_) Release(input);
            if (input.Button == mbRight && !drag_) ShowPopup(input.Point);
            return true;
        case TInputKind::CaptureLost:
            CancelDrag();
            return true;
        default: return true;
    }
}

TControl* TELDesigner::ChildAt(TPoint point) const {
    return designControl_->ControlAtPos(point, TControlAtPosOptions{true, false, false});
}

int TELDesigner::HandleAt(TPoint point) const {
    if (selection_.GetCount() != 1) return shNone;
    TControl* only = selection_.GetDefaultControl();
    if (only == designControl_ || Locked(only, lmNoResize)) return shNone;
    return ::HandleAt(only->BoundsRect(), point, kHandleSize);
}

namespace {
TCursor SizingCursor(int handle) {
    switch (handle) {
        case shTopLeft:
        case shBottomRight: return crSizeNWSE;
        case shTopRight:
        case shBottomLeft: return crSizeNESW;
        case shTop:
        case shBottom: return crSizeNS;
        case shLeft:
        case shRight: return crSizeWE;
        default: return crDefault;
    }
}
}  // namespace

// Sizing arrows over handles and while sizing, the four arrows while moving.
TCursor TELDesigner::DesignCursor(TWinControl& container, TPoint point) {
    if (!active_ || !designControl_) return crDefault;
    if (drag_) {
        if (drag_->Kind == TDragKind::Resize) return SizingCursor(drag_->Handle);
        if (drag_->Kind == TDragKind::Move) return crSizeAll;
        return crArrow;
    }
    if (const int handle = HandleAt(SurfacePoint(container, point)); handle != shNone) return SizingCursor(handle);
    return crArrow;
}

void TELDesigner::Press(const TInputEvent& input) {
    drag_ = std::make_unique<TDesignDrag>();
    TDesignDrag& drag = *drag_;
    drag.Start = drag.Last = input.Point;
    drag.Shift = input.Shift;
    drag.Pressed = ChildAt(input.Point);
    designControl_->SetMouseCapture(true);
    if ((drag.Handle = static_cast<TSelectionHandle>(HandleAt(input.Point))) != shNone) {
        drag.Kind = TDragKind::Resize;
        TControl* only = selection_.GetDefaultControl();
        drag.Origins.emplace_back(only, only->BoundsRect());
        return;
    }
    const bool modified = input.Shift & (ssShift | ssCtrl);
    if (!modified && !Locked(designControl_, lmNoInsertIn) && OnControlInserting) {
        TClass cls = nullptr;
        OnControlInserting(this, cls);
        if (cls) {
            drag.Kind = TDragKind::Insert;
            drag.InsertClass = cls;
            return;
        }
    }
    if (!drag.Pressed || (input.Shift & ssCtrl)) {
        drag.Kind = TDragKind::RubberBand;
        return;
    }
    if (input.Shift & ssShift) {
        // Shift toggles the control's membership; it starts no drag.
        if (selection_.Contains(drag.Pressed))
            selection_.Remove(drag.Pressed);
        else
            selection_.Add(drag.Pressed);
        drag.Pressed = nullptr;
        return;
    }
    if (!selection_.Contains(drag.Pressed)) selection_.ClearExcept(drag.Pressed);
    for (TControl* control : SelectedChildren())
        if (!Locked(control, lmNoMove)) drag.Origins.emplace_back(control, control->BoundsRect());
}

void TELDesigner::Drag(const TInputEvent& input) {
    TDesignDrag& drag = *drag_;
    drag.Last = input.Point;
    const TPoint delta{input.Point.X - drag.Start.X, input.Point.Y - drag.Start.Y};
    const bool snap = !(input.Shift & ssAlt);
    switch (drag.Kind) {
        case TDragKind::Pending:
            if (!drag.Pressed || drag.Origins.empty() || !Beyond(input.Point, drag.Start, kDragThreshold)) return;
            drag.Kind = TDragKind::Move;
            BeginDragChange();
            DragMove(delta, snap);
            return;
        case TDragKind::Move: return DragMove(delta, snap);
        case TDragKind::Resize:
            if (!drag.Changing) BeginDragChange();
            return DragResize(delta, snap);
        case TDragKind::RubberBand:
        case TDragKind::Insert: InvalidateSurface(); return;
    }
}

void TELDesigner::BeginDragChange() {
    FlushOutsideChange();
    ++changeDepth_;
    drag_->Changing = true;
}

void TELDesigner::EndDragChange() {
    if (!drag_ || !drag_->Changing) return;
    drag_->Changing = false;
    if (--changeDepth_ == 0) CommitChange({});
}

std::vector<TRect> TELDesigner::NeighbourRects() const {
    std::vector<TRect> rects{designControl_->ClientRect()};
    for (int i = 0; i < designControl_->ControlCount(); ++i) {
        const TControl* child = designControl_->Controls(i);
        if (child->GetVisible() && !selection_.Contains(child)) rects.push_back(child->BoundsRect());
    }
    return rects;
}

// The whole group moves by one offset, so that the controls keep their places among each
// other: a neighbour's guide wins within reach, else the grid places the pressed control.
void TELDesigner::DragMove(TPoint delta, bool snap) {
    TDesignDrag& drag = *drag_;
    drag.Guides.clear();
    if (snap) {
        TRect box = drag.Origins.front().second;
        for (const auto& [control, origin] : drag.Origins)
            box = {std::min(box.Left, origin.Left), std::min(box.Top, origin.Top), std::max(box.Right, origin.Right),
                   std::max(box.Bottom, origin.Bottom)};
        const TRect moved{box.Left + delta.X, box.Top + delta.Y, box.Right + delta.X, box.Bottom + delta.Y};
        TGuideSnap guides;
        if (snapToGuides_) guides = SnapToGuides(moved, NeighbourRects(), kGuideDistance);
        TRect anchor = drag.Origins.front().second;
        for (const auto& [control, origin] : drag.Origins)
            if (control == drag.Pressed) anchor = origin;
        delta.X = guides.SnappedX ? delta.X + guides.Offset.X
                  : snapToGrid_   ? grid_->SnapX(anchor.Left + delta.X) - anchor.Left
                                  : delta.X;
        delta.Y = guides.SnappedY ? delta.Y + guides.Offset.Y
                  : snapToGrid_   ? grid_->SnapY(anchor.Top + delta.Y) - anchor.Top
                                  : delta.Y;
        drag.Guides = std::move(guides.Lines);
    }
    for (const auto& [control, origin] : drag.Origins)
        control->SetBounds(origin.Left + delta.X, origin.Top + delta.Y, origin.Right - origin.Left,
                           origin.Bottom - origin.Top);
    InvalidateSurface();
}

void TELDesigner::DragResize(TPoint delta, bool snap) {
    TDesignDrag& drag = *drag_;
    const auto& [control, origin] = drag.Origins.front();
    TRect r = ResizeByHandle(origin, drag.Handle, delta);
    drag.Guides.clear();
    if (snap) {
        TGuideSnap guides;
        if (snapToGuides_) guides = SnapToGuides(r, NeighbourRects(), kGuideDistance, EdgesOf(drag.Handle));
        const TGuideEdges edges = EdgesOf(drag.Handle);
        TPoint grid{0, 0};
        if (snapToGrid_) {
            grid.X = edges.Left ? grid_->SnapX(r.Left) - r.Left : edges.Right ? grid_->SnapX(r.Right) - r.Right : 0;
            grid.Y = edges.Top ? grid_->SnapY(r.Top) - r.Top : edges.Bottom ? grid_->SnapY(r.Bottom) - r.Bottom : 0;
        }
        const TPoint extra{guides.SnappedX ? guides.Offset.X : grid.X, guides.SnappedY ? guides.Offset.Y : grid.Y};
        r = ResizeByHandle(origin, drag.Handle, {delta.X + extra.X, delta.Y + extra.Y});
        drag.Guides = std::move(guides.Lines);
    }
    control->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    InvalidateSurface();
}

void TELDesigner::Release(const TInputEvent& input) {
    TDesignDrag& d = *drag_;
    d.Last = input.Point;
    const bool dragged = Beyond(d.Last, d.Start, kDragThreshold);
    switch (d.Kind) {
        case TDragKind::Move:
        case TDragKind::Resize: EndDragChange(); break;
        case TDragKind::RubberBand: {
            std::vector<TControl*> touched;
            if (dragged)
                for (int i = 0; i < designControl_->ControlCount(); ++i) {
                    TControl* child = designControl_->Controls(i);
                    if (child->GetVisible() && Intersects(child->BoundsRect(), d.Band())) touched.push_back(child);
                }
            if (d.Shift & (ssShift | ssCtrl)) {
                selection_.BeginUpdate();
                for (TControl* control : touched) selection_.Add(control);
                selection_.EndUpdate();
            } else if (touched.empty()) {
                selection_.ClearExcept(designControl_);
            } else {
                selection_.Assign(touched);
            }
            break;
        }
        case TDragKind::Insert: {
            const TPoint at = SnapPoint(d.Start);
            TRect bounds{at.X, at.Y, at.X, at.Y};
            if (dragged) {
                const TPoint end = SnapPoint(d.Last);
                bounds = {std::min(at.X, end.X), std::min(at.Y, end.Y), std::max(at.X, end.X), std::max(at.Y, end.Y)};
            }
            const TClass cls = d.InsertClass;
            drag_.reset();
            designControl_->SetMouseCapture(false);
            InsertControl(cls, bounds, dragged);
            InvalidateSurface();
            return;
        }
        case TDragKind::Pending: break;
    }
    drag_.reset();
    designControl_->SetMouseCapture(false);
    InvalidateSurface();
}

TPoint TELDesigner::SnapPoint(TPoint point) const {
    if (!snapToGrid_) return point;
    return {grid_->SnapX(point.X), grid_->SnapY(point.Y)};
}

void TELDesigner::CancelDrag() {
    if (!drag_) return;
    for (const auto& [control, origin] : drag_->Origins)
        control->SetBounds(origin.Left, origin.Top, origin.Right - origin.Left, origin.Bottom - origin.Top);
    EndDragChange();
    drag_.reset();
    if (designControl_) designControl_->SetMouseCapture(false);
    InvalidateSurface();
}

void TELDesigner::ShowPopup(TPoint surfacePoint) {
    if (!popupMenu_) return;
    const TPoint screen = designControl_->ClientToScreen(surfacePoint);
    popupMenu_->Popup(screen.X, screen.Y);
}

void TELDesigner::OpenComponentEditor(TControl* control) {
    selection_.ClearExcept(control);
    std::unique_ptr<TComponentEditor> editor = GetComponentEditor(*control, this);
    if (!editor) return;
    const TChangeScope change(*this);
    editor->Edit();
}
