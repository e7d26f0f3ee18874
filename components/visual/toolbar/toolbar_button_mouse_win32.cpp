#include <windowsx.h>

#include <map>

#include "toolbar_button_win32.h"

namespace {
struct TTracking {
    TCustomToolbarButton97* Hovered = nullptr;
    TCustomToolbarButton97* Held = nullptr;
};

std::map<HWND, TTracking>& Tracking() {
    static std::map<HWND, TTracking> tracking;
    return tracking;
}

// A button remembered earlier may have gone since: only a current child counts.
bool IsChild(const TWinControl& container, const TCustomToolbarButton97* button) {
    if (!button) return false;
    for (int i = 0; i < container.ControlCount(); ++i)
        if (container.Controls(i) == button) return true;
    return false;
}

TCustomToolbarButton97* ButtonAt(const TWinControl& container, TPoint point) {
    auto* button = dynamic_cast<TCustomToolbarButton97*>(container.ControlAtPos(point));
    return button && !button->Designing() ? button : nullptr;
}

TPoint Local(const TControl& button, TPoint point) { return {point.X - button.GetLeft(), point.Y - button.GetTop()}; }

void TrackLeaving(HWND wnd) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, wnd, 0};
    TrackMouseEvent(&track);
}

void Hover(TWinControl& container, HWND wnd, TTracking& tracking, TPoint point) {
    TCustomToolbarButton97* under = ButtonAt(container, point);
    if (under != tracking.Hovered && IsChild(container, tracking.Hovered)) tracking.Hovered->MouseLeave();
    tracking.Hovered = under;
    if (!under) return;
    TrackLeaving(wnd);
    under->MouseMove(Local(*under, point));
}

// The held button lets go: at point when the mouse came up, far outside when the capture was lost.
bool Release(TWinControl& container, TTracking& tracking, TPoint point, bool releaseCapture) {
    TCustomToolbarButton97* held = IsChild(container, tracking.Held) ? tracking.Held : nullptr;
    tracking.Held = nullptr;
    if (releaseCapture) ReleaseCapture();
    if (!held) return false;
    held->MouseUp(Local(*held, point));  // last: a click may free the button
    return true;
}
}  // namespace

bool RouteToolbarButtonMouse(TWinControl& container, HWND wnd, UINT message, WPARAM, LPARAM lParam) {
    TTracking& tracking = Tracking()[wnd];
    const TPoint point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_MOUSEMOVE:
            if (IsChild(container, tracking.Held)) {
                tracking.Held->MouseMove(Local(*tracking.Held, point));
                return true;
            }
            Hover(container, wnd, tracking, point);
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            TCustomToolbarButton97* button = ButtonAt(container, point);
            if (!button) return false;
            tracking.Held = button;
            tracking.Hovered = button;
            SetCapture(wnd);
            button->MouseDown(Local(*button, point));
            return true;
        }
        case WM_LBUTTONUP: return Release(container, tracking, point, true);
        case WM_CAPTURECHANGED: return Release(container, tracking, {-100000, -100000}, false);
        case WM_MOUSELEAVE:
            if (IsChild(container, tracking.Hovered) && !tracking.Held) tracking.Hovered->MouseLeave();
            tracking.Hovered = nullptr;
            return false;
        default: return false;
    }
}
