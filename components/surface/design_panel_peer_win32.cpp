#include "design_panel_peer_win32.h"

#include "support/gdi/box_draw_win32.h"
#include "support/gdi/dib_win32.h"
#include "support/gdi/gdi_blt_win32.h"
#include "support/win32/control_painter.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/window_system.h"

namespace {
// Design panels get their windows here wherever the window system makes them.
[[maybe_unused]] const bool registered = [] {
    RegisterWindowPeerMaker(HCustomDesignPanel::StaticClass(), &MakeWindowPeer<HDesignPanelPeer>);
    return true;
}();

// The window styles that make the system reserve a frame of this width.
void ReserveFrame(TCreateParams& params, int width) {
    switch (width) {
        case 1: params.Style |= WS_BORDER; break;
        case 2: params.ExStyle |= WS_EX_CLIENTEDGE; break;
        case 3: params.Style |= WS_BORDER, params.ExStyle |= WS_EX_CLIENTEDGE; break;
        case 4: params.Style |= WS_BORDER | WS_THICKFRAME; break;
        case 5: params.Style |= WS_BORDER, params.ExStyle |= WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME; break;
        default: break;
    }
}

// The sides a sizing edge or corner needs; none for any other answer.
TAnchors SidesOf(LRESULT hit) {
    switch (hit) {
        case HTLEFT: return {akLeft};
        case HTRIGHT: return {akRight};
        case HTTOP: return {akTop};
        case HTBOTTOM: return {akBottom};
        case HTTOPLEFT: return {akLeft, akTop};
        case HTTOPRIGHT: return {akRight, akTop};
        case HTBOTTOMLEFT: return {akLeft, akBottom};
        case HTBOTTOMRIGHT: return {akRight, akBottom};
        default: return {};
    }
}

bool PictureCoversAll(const HCustomDesignPanel& panel) {
    const HBT_Types mode = panel.GetBkMode();
    return panel.GetBackground()->Empty() || mode == HBT_Stretch || mode == HBT_Tile;
}

TRect Shrunk(TRect r, int by) { return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by}; }
}  // namespace

HDesignPanelPeer::~HDesignPanelPeer() {
    if (patternBrush_) DeleteObject(patternBrush_);
}

void HDesignPanelPeer::FrameChanged() {
    if (Wnd()) SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
}

void HDesignPanelPeer::CreateParams(TCreateParams& params) {
    TScrollingPeer::CreateParams(params);
    // A panel on its own (rendered, or tested) is a plain popup: the frame is all it has.
    if (IsTopLevel()) params.Style = WS_POPUP | WS_CLIPCHILDREN | (params.Style & (WS_VISIBLE | WS_DISABLED));
    params.Style &= ~WS_BORDER;
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
    ReserveFrame(params, Panel().FrameWidth());
}

bool HDesignPanelPeer::HasClientEdge() const {
    const int width = Panel().FrameWidth();
    return width == 2 || width == 3 || width == 5;
}

LRESULT HDesignPanelPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // painting covers the whole client area
        case WM_SIZE: {
            const LRESULT result = TScrollingPeer::WndProc(message, wParam, lParam);
            FrameChanged();
            return result;
        }
        case WM_NCHITTEST:
            return HitTest(wParam, lParam);
        case WM_NCPAINT:
            PaintNonClient(wParam, lParam);
            return 0;
        case WM_PAINT:
            if (wParam) {
                RECT client;
                GetClientRect(Wnd(), &client);
                PaintClient(reinterpret_cast<HDC>(wParam), client);
                return 0;
            }
            break;
    }
    return TScrollingPeer::WndProc(message, wParam, lParam);
}

LRESULT HDesignPanelPeer::HitTest(WPARAM wParam, LPARAM lParam) {
    const LRESULT answer = DefaultWndProc(WM_NCHITTEST, wParam, lParam);
    const TAnchors needed = SidesOf(answer);
    if (needed.Empty()) return answer;
    return (needed - Panel().GetAllowFrameResize()).Empty() ? answer : HTCLIENT;
}

void HDesignPanelPeer::PaintNonClient(WPARAM wParam, LPARAM lParam) {
    // Scroll bars live in the non-client area too; the system draws them, the frame goes over its border.
    const LONG_PTR style = GetWindowLongPtrW(Wnd(), GWL_STYLE);
    if (style & (WS_HSCROLL | WS_VSCROLL)) DefaultWndProc(WM_NCPAINT, wParam, lParam);
    const HDC dc = GetDCEx(Wnd(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc) return;
    PaintFrame(dc);
    ReleaseDC(Wnd(), dc);
}

void HDesignPanelPeer::PaintFrame(HDC dc) {
    const HCustomDesignPanel& panel = Panel();
    const TRect whole{0, 0, panel.GetWidth(), panel.GetHeight()};
    const TRect inner = Shrunk(whole, panel.FrameWidth());
    const TSavedDcState saved(dc);
    ExcludeClipRect(dc, inner.Left, inner.Top, inner.Right, inner.Bottom);
    RECT clip;
    if (GetClipBox(dc, &clip) == NULLREGION) return;
    canvas_.SetHDC(dc, whole.Right, whole.Bottom);
    TC_Box(canvas_, whole, panel.GetBorderColor(), panel.GetBorderStyle());
    canvas_.SetHDC(nullptr, 0, 0);
}

void HDesignPanelPeer::PaintClient(HDC dc, const RECT& area) {
    PaintGrid(dc);
    PaintChildControls(Control(), dc, area);
    PaintDesignOverlay(Control(), dc);
}

void HDesignPanelPeer::PaintGrid(HDC dc) {
    HCustomDesignPanel& panel = Panel();
    const bool shown = panel.GridShown();
    if (shown && !panel.PatternCurrent()) panel.UpdateBitmap();
    const TRect whole{0, 0, panel.GetWidth(), panel.GetHeight()};
    canvas_.SetHDC(dc, whole.Right, whole.Bottom);
    if (shown) {
        // The tile's first dot belongs at the client area's corner, wherever the context's origin lies.
        POINT viewport{};
        GetViewportOrgEx(dc, &viewport);
        SetBrushOrgEx(dc, viewport.x, viewport.y, nullptr);
        const RECT rect{whole.Left, whole.Top, whole.Right, whole.Bottom};
        if (const HBRUSH brush = PatternBrush()) FillRect(dc, &rect, brush);
    } else {
        // Where a picture leaves part of the panel uncovered, the colour shows instead of old pixels.
        if (!PictureCoversAll(panel)) GDI_Blt(dc, nullptr, whole, HBT_Tile, panel.GetGrid()->GetBkColor());
        GDI_Blt(dc, panel.GetBackground(), whole, panel.GetBkMode(), panel.GetGrid()->GetBkColor());
    }
    canvas_.SetHDC(nullptr, 0, 0);
}

HBRUSH HDesignPanelPeer::PatternBrush() {
    const HCustomDesignPanel& panel = Panel();
    if (patternBrush_ && brushVersion_ == panel.PatternVersion()) return patternBrush_;
    if (patternBrush_) DeleteObject(patternBrush_);
    const TDibSection tile(panel.PatternBitmap());
    patternBrush_ = CreatePatternBrush(tile.Handle());
    brushVersion_ = panel.PatternVersion();
    return patternBrush_;
}

void HDesignPanelPeer::PaintWindow(HDC dc) {
    PaintFrame(dc);
    RECT window, client;
    GetWindowRect(Wnd(), &window);
    GetClientRect(Wnd(), &client);
    POINT origin{0, 0};
    ClientToScreen(Wnd(), &origin);
    const TSavedDcState saved(dc);
    OffsetViewportOrgEx(dc, origin.x - window.left, origin.y - window.top, nullptr);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    PaintClient(dc, client);
    PrintChildWindows(dc);
}

// Child windows paint themselves through WM_PRINT, each at its place in the client area.
void HDesignPanelPeer::PrintChildWindows(HDC dc) {
    for (int i = 0; i < Control().ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(Control().Controls(i));
        if (!child || !child->GetVisible() || !child->HandleAllocated()) continue;
        const TSavedDcState saved(dc);
        OffsetViewportOrgEx(dc, child->GetLeft(), child->GetTop(), nullptr);
        IntersectClipRect(dc, 0, 0, child->GetWidth(), child->GetHeight());
        SendMessageW(static_cast<HWND>(child->Handle()), WM_PRINT, reinterpret_cast<WPARAM>(dc),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    }
}
