#include "container_peer.h"

#include <algorithm>
#include <vector>

#include "control_painter.h"
#include "gdi_color.h"
#include "module_instance.h"
#include "support/gdi/paint_bands.h"
#include "wide_text.h"
#include "win32_error.h"

namespace {
class TPaintScope {
public:
    explicit TPaintScope(HWND wnd) : wnd_(wnd), dc_(BeginPaint(wnd, &paint_)) {}
    ~TPaintScope() { EndPaint(wnd_, &paint_); }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;

    HDC Dc() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND wnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An off-screen copy of part of a window, so that the background and the controls on it
// reach the screen at once instead of flickering one after the other.
class TPaintBuffer {
public:
    TPaintBuffer(HDC target, const RECT& area)
        : target_(target), area_(area), dc_(CreateCompatibleDC(target)),
          bitmap_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)) {
        if (!dc_ || !bitmap_) return;
        previous_ = SelectObject(dc_, bitmap_);
        SetViewportOrgEx(dc_, -area.left, -area.top, nullptr);
    }
    ~TPaintBuffer() {
        if (previous_) SelectObject(dc_, previous_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    TPaintBuffer(const TPaintBuffer&) = delete;
    TPaintBuffer& operator=(const TPaintBuffer&) = delete;

    // Null when the system had no memory for the copy; painting goes straight to the target then.
    HDC Dc() const { return previous_ ? dc_ : nullptr; }
    void CopyToTarget() const {
        BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_, area_.left,
               area_.top, SRCCOPY);
    }

private:
    HDC target_;
    RECT area_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
};
}  // namespace

const wchar_t* TContainerPeer::RegisterContainerClass(const wchar_t* name) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &TWin32WindowPeer::WindowProc;
    windowClass.hInstance = ModuleInstance();
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = name;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        RaiseLastWin32Error("Cannot register the window class " + WideToUtf8(name));
    return name;
}

const wchar_t* TContainerPeer::WindowClassName() {
    static const wchar_t* const name = RegisterContainerClass(L"PendrelContainer");
    return name;
}

void TContainerPeer::CreateParams(TCreateParams& params) {
    TWin32WindowPeer::CreateParams(params);
    params.ClassName = WindowClassName();
    params.Style |= WS_CLIPCHILDREN;
}

LRESULT TContainerPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the background is part of WM_PAINT
        case WM_PAINT:
            Paint();
            return 0;
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(Wnd(), &client);
            PaintClient(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_CLOSE:
            // Closing a top-level window hides it; its control decides when it goes.
            if (!IsTopLevel()) break;
            Control().Hide();
            return 0;
    }
    return TWin32WindowPeer::WndProc(message, wParam, lParam);
}

void TContainerPeer::PaintClient(HDC dc, const RECT& area) {
    const TSolidBrush background(ColorRefOf(Control().GetColor()));
    FillRect(dc, &area, background.Get());
    PaintChildControls(Control(), dc, area);
    PaintDesignOverlay(Control(), dc);
}

namespace {
// The off-screen copy is made for a band of rows at a time: a copy of a whole wide keyboard
// would be the largest allocation its start-up makes. A band is at least kMinBandRows high, so
// that rows of keys fit into one and are painted once.
constexpr LONG kBandPixels = 64 * 1024;
constexpr LONG kMinBandRows = 64;

std::vector<int> BandEdges(const TWinControl& control, const RECT& area) {
    // A repaint of a key or two, the usual one, fits into one band and needs no look at the keys.
    const LONG maxRows = std::max(kMinBandRows, kBandPixels / (area.right - area.left));
    if (area.bottom - area.top <= maxRows) return {area.top, area.bottom};
    std::vector<TRowSpan> spans;
    for (int i = 0; i < control.ControlCount(); ++i) {
        const TControl& child = *control.Controls(i);
        if (!child.GetVisible() || child.Is<TWinControl>()) continue;
        const TRect bounds = child.BoundsRect();
        spans.push_back({bounds.Top, bounds.Bottom});
    }
    return PaintBandEdges(area.top, area.bottom, maxRows, std::move(spans));
}
}  // namespace

void TContainerPeer::Paint() {
    const TPaintScope paint(Wnd());
    if (IsRectEmpty(&paint.Area())) return;
    const std::vector<int> edges = BandEdges(Control(), paint.Area());
    for (size_t i = 1; i < edges.size(); ++i) {
        const RECT band{paint.Area().left, edges[i - 1], paint.Area().right, edges[i]};
        const TPaintBuffer buffer(paint.Dc(), band);
        if (!buffer.Dc()) {
            PaintClient(paint.Dc(), band);
            continue;
        }
        PaintClient(buffer.Dc(), band);
        buffer.CopyToTarget();
    }
}
