// Dragging the keyboard by any empty spot or label, and typing into its own edit fields.
#include "components/surface/design_panel.h"
#include "main_form_osk.h"
#include "runtime/delivery/target_tracker.h"
#include "support/framework/std_controls.h"

namespace {
bool IsOwnWindow(HWND form, HWND wnd) { return wnd == form || IsChild(form, wnd); }

// While a drag runs, the pointer is also followed from a timer: without the activation the
// keyboard's capture may not be honoured (Wine gives the moves to the foreground window's
// thread), so moves and the button's release are not sure to arrive as messages.
constexpr UINT_PTR kDragTimer = 0x0D7A;
constexpr UINT kDragTimerMilliseconds = 15;

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
                BeginDrag(message.pt);
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
            DragTo(message.pt);
            return true;
        case WM_LBUTTONUP:
            if (!Dragging) return false;
            EndDrag();
            return true;
        default:
            return false;
    }
}

void TMainFormOSK::BeginDrag(POINT origin) {
    DragOrigin = origin;
    Dragging = true;
    SetCapture(Window());
    SetTimer(Window(), kDragTimer, kDragTimerMilliseconds, nullptr);
}

void TMainFormOSK::DragTo(POINT point) {
    if (point.x == DragOrigin.x && point.y == DragOrigin.y) return;
    SetBounds(GetLeft() + point.x - DragOrigin.x, GetTop() + point.y - DragOrigin.y, GetWidth(), GetHeight());
    DragOrigin = point;
}

void TMainFormOSK::EndDrag() {
    Dragging = false;
    KillTimer(Window(), kDragTimer);
    ReleaseCapture();
}

bool TMainFormOSK::DragTimerTick(WPARAM timer) {
    if (timer != kDragTimer) return false;
    if (!Dragging) {
        KillTimer(Window(), kDragTimer);
        return true;
    }
    POINT point;
    if (GetCursorPos(&point)) DragTo(point);
    if (!(GetAsyncKeyState(VK_LBUTTON) & 0x8000)) EndDrag();
    return true;
}
