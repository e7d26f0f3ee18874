#include "dockable_window97_peer_win32.h"

#include <windowsx.h>

#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"

#include "support/win32/window_message_hook.h"

namespace {
POINT ScreenPointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

class TDragHook : public TWindowMessageHook {
public:
    bool HandleMessage(HWND wnd, UINT message, WPARAM, LPARAM lParam, LRESULT& result) override {
        auto* peer = dynamic_cast<TDockableWindowPeer*>(TWin32WindowPeer::FromHandle(wnd));
        if (!peer || !peer->DragMessage(message, lParam)) return false;
        result = 0;
        return true;
    }
};

TDragHook& DragHook() {
    static TDragHook hook;
    return hook;
}
}  // namespace

TDockableWindowPeer::TDockableWindowPeer(TWinControl& control) : TContainerPeer(control) {
    AddWindowMessageHook(control, DragHook());
}

TDockableWindowPeer::~TDockableWindowPeer() { RemoveWindowMessageHook(Control(), DragHook()); }

void TDockableWindowPeer::ShowWindow(bool show) {
    if (!Wnd()) return;
    ::ShowWindow(Wnd(), !show ? SW_HIDE : IsTopLevel() ? SW_SHOWNOACTIVATE : SW_SHOWNA);
}

std::unique_ptr<TWindowPeer> TDockableWindowPeer::Make(TWinControl& control) {
    auto peer = std::make_unique<TDockableWindowPeer>(control);
    peer->CreateHandle();
    if (control.GetVisible()) peer->ShowWindow(true);
    return peer;
}

void TDockableWindowPeer::CreateParams(TCreateParams& params) {
    TContainerPeer::CreateParams(params);
    params.Style &= ~WS_VISIBLE;
    if (!Window().Floating()) return;
    params.Style = kFloatingStyle | (Window().GetCloseButton() ? WS_SYSMENU : 0);
    if (!Window().GetEnabled()) params.Style |= WS_DISABLED;
    params.ExStyle = kFloatingExStyle;
    if (TWinControl* home = Window().HomeForm()) params.Parent = static_cast<HWND>(home->Handle());
}

LRESULT TDockableWindowPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            // The no-activate style alone does not keep every system from activating a clicked window.
            return MA_NOACTIVATE;
        case WM_NCCALCSIZE:
            if (!IsTopLevel()) return CalcDockedFrame(wParam, lParam);
            break;
        case WM_NCHITTEST:
            return HitTest(wParam, lParam);
        case WM_NCPAINT:
            if (IsTopLevel()) break;
            PaintDockedFrame();
            return 0;
        case WM_NCLBUTTONDOWN:
            // The system's own move loop would take over the mouse: the window drags itself.
            if (wParam != HTCAPTION) break;
            Window().BeginDrag({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            SetCapture(Wnd());
            return 0;
        case WM_CLOSE:
            Window().Close();
            return 0;
    }
    return TContainerPeer::WndProc(message, wParam, lParam);
}

bool TDockableWindowPeer::DragMessage(UINT message, LPARAM lParam) {
    if (!Window().Dragging()) return false;
    switch (message) {
        case WM_MOUSEMOVE: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(Wnd(), &point);
            Window().DragTo({point.x, point.y});
            return true;
        }
        case WM_LBUTTONUP: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(Wnd(), &point);
            const HWND wnd = Wnd();
            // Docking or floating makes a new window: this peer may be gone afterwards.
            Window().EndDrag({point.x, point.y});
            if (GetCapture() == wnd) ReleaseCapture();
            return true;
        }
        case WM_CAPTURECHANGED:
            Window().CancelDrag();
            return false;
        case WM_KEYDOWN:
        case WM_RBUTTONDOWN:
            Window().CancelDrag();
            if (GetCapture() == Wnd()) ReleaseCapture();
            return true;
        default:
            return false;
    }
}

LRESULT TDockableWindowPeer::CalcDockedFrame(WPARAM, LPARAM lParam) {
    auto* rect = reinterpret_cast<RECT*>(lParam);  // the first of NCCALCSIZE_PARAMS's rectangles either way
    const TRect frame = Window().FrameInsets();
    rect->left += frame.Left;
    rect->top += frame.Top;
    rect->right -= frame.Right;
    rect->bottom -= frame.Bottom;
    if (rect->right < rect->left) rect->right = rect->left;
    if (rect->bottom < rect->top) rect->bottom = rect->top;
    return 0;
}

LRESULT TDockableWindowPeer::HitTest(WPARAM wParam, LPARAM lParam) {
    if (IsTopLevel()) return DefaultWndProc(WM_NCHITTEST, wParam, lParam);
    POINT point = ScreenPointOf(lParam);
    RECT window;
    GetWindowRect(Wnd(), &window);
    const TRect frame = Window().FrameInsets();
    const int x = point.x - window.left, y = point.y - window.top;
    const bool grip = x < frame.Left || y < frame.Top;
    if (grip) return HTCAPTION;
    ScreenToClient(Wnd(), &point);
    RECT client;
    GetClientRect(Wnd(), &client);
    return PtInRect(&client, point) ? HTCLIENT : HTBORDER;
}

// The border in the button face and two raised bars along the leading edge as the grip.
void TDockableWindowPeer::PaintDockedFrame() {
    HDC dc = GetWindowDC(Wnd());
    if (!dc) return;
    RECT window;
    GetWindowRect(Wnd(), &window);
    OffsetRect(&window, -window.left, -window.top);
    const TRect frame = Window().FrameInsets();
    ExcludeClipRect(dc, frame.Left, frame.Top, window.right - frame.Right, window.bottom - frame.Bottom);
    const TSolidBrush face(ColorRefOf(Control().GetColor()));
    FillRect(dc, &window, face.Get());
    const bool across = frame.Left > frame.Top;
    for (int bar = 0; bar < 2; ++bar) {
        RECT grip = across ? RECT{3 + bar * 3, 3, 6 + bar * 3, window.bottom - 3}
                           : RECT{3, 3 + bar * 3, window.right - 3, 6 + bar * 3};
        DrawEdge(dc, &grip, BDR_RAISEDINNER, BF_RECT);
    }
    ReleaseDC(Wnd(), dc);
}
