// Dragging the keyboard by any empty spot or label, and typing into its own edit fields.
#include "components/surface/design_panel.h"
#include "main_form_osk.h"
#include "runtime/delivery/target_tracker.h"
#include "support/framework/std_controls.h"

namespace {
bool IsOwnWindow(HWND form, HWND wnd) { return wnd == form || IsChild(form, wnd); }

bool InsideWindow(HWND wnd, POINT point) {
    RECT bounds;
    GetWindowRect(wnd, &bounds);
    return point.x >= bounds.left && point.x <= bounds.right && point.y >= bounds.top && point.y <= bounds.bottom;
}
}  // namespace

bool TMainFormOSK::DragFilter(const MSG& message) {
    if (!HandleAllocated() || !IsOwnWindow(Window(), message.hwnd)) return false;
    switch (message.message) {
        case WM_LBUTTONDOWN: {
            if (!InsideWindow(Window(), message.pt)) return false;
            TWinControl* container = LayoutLoaded ? static_cast<TWinControl*>(design) : this;
            TControl* control = container->ControlAtPos(container->ScreenToClient({message.pt.x, message.pt.y}), true);
            if (!control || control == design || dynamic_cast<TLabel*>(control)) {
                DragOrigin = message.pt;
                Dragging = true;
                SetCapture(Window());
                return true;
            }
            if (auto* edit = dynamic_cast<TEdit*>(control)) {
                SetForegroundWindow(Window());
                target_->TargetFocus = static_cast<HWND>(edit->Handle());
                target_->TargetThread = target_->OwnThread;
                target_->SetTarget(static_cast<HWND>(design->Handle()));
            }
            return false;
        }
        case WM_MOUSEMOVE:
            if (!Dragging) return false;
            SetBounds(GetLeft() + message.pt.x - DragOrigin.x, GetTop() + message.pt.y - DragOrigin.y, GetWidth(), GetHeight());
            DragOrigin = message.pt;
            return true;
        case WM_LBUTTONUP:
            if (!Dragging) return false;
            Dragging = false;
            ReleaseCapture();
            return true;
        default:
            return false;
    }
}
