// Input of windowed controls: the designer's interceptor, and mouse input handed on to the
// children that have no window of their own.
#include "win_control.h"

void TWinControl::SetDesignInterceptor(IDesignInterceptor* interceptor) {
    if (interceptor == interceptor_) return;
    interceptor_ = interceptor;
    Invalidate();  // an overlay comes or goes
}

TWinControl* TWinControl::InterceptingContainer(TControl& control) {
    for (TControl* c = &control; c; c = c->Parent())
        if (auto* windowed = dynamic_cast<TWinControl*>(c); windowed && windowed->interceptor_) return windowed;
    return nullptr;
}

TControl* TWinControl::WindowlessChildAt(TPoint point) const {
    TControl* child = ControlAtPos(point);
    return child && !dynamic_cast<TWinControl*>(child) && !child->Designing() ? child : nullptr;
}

namespace {
TPoint Local(const TControl& child, TPoint point) { return {point.X - child.GetLeft(), point.Y - child.GetTop()}; }
// Far outside every control: where a press ends when the capture is taken away.
constexpr TPoint kNowhere{-100000, -100000};
}  // namespace

bool TWinControl::RouteChildMouse(const TInputEvent& input) {
    switch (input.Kind) {
        case TInputKind::MouseMove: {
            if (held_) {
                held_->MouseMove(input.Shift, Local(*held_, input.Point));
                return true;
            }
            TControl* under = WindowlessChildAt(input.Point);
            if (under != hovered_ && hovered_) hovered_->MouseLeave();
            hovered_ = under;
            if (under) under->MouseMove(input.Shift, Local(*under, input.Point));
            return false;
        }
        case TInputKind::MouseDown:
        case TInputKind::DoubleClick: {
            // Other buttons go to the window itself (its context menu, for one).
            if (input.Button != mbLeft) return held_ != nullptr;
            TControl* under = WindowlessChildAt(input.Point);
            if (!under || held_) return held_ != nullptr;
            held_ = hovered_ = under;
            SetMouseCapture(true);
            if (input.Kind == TInputKind::DoubleClick) under->DblClick();
            // The child may have gone meanwhile (a double click that closed it).
            const TShiftState shift = input.Shift | (input.Kind == TInputKind::DoubleClick ? TShiftState{ssDouble} : 0u);
            if (held_ == under) under->MouseDown(input.Button, shift, Local(*under, input.Point));
            return true;
        }
        case TInputKind::MouseUp:
        case TInputKind::CaptureLost: {
            if (input.Kind == TInputKind::MouseUp && input.Button != mbLeft) return held_ != nullptr;
            TControl* held = held_;
            held_ = nullptr;
            if (input.Kind == TInputKind::MouseUp) SetMouseCapture(false);
            if (!held) return false;
            const TPoint point = input.Kind == TInputKind::MouseUp ? Local(*held, input.Point) : kNowhere;
            held->MouseUp(input.Button, input.Shift, point);  // last: a click may free the child
            return true;
        }
        case TInputKind::MouseLeave:
            if (hovered_ && !held_) hovered_->MouseLeave();
            hovered_ = nullptr;
            return false;
        default: return false;
    }
}

void TWinControl::SetMouseCapture(bool capture) {
    if (peer_) peer_->SetMouseCapture(capture);
}

void TWinControl::SetFocus() {
    if (peer_) peer_->SetFocus();
}
