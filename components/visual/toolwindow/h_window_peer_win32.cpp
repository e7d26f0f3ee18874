#include "h_window_peer_win32.h"

#include "support/win32/control_painter.h"
#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"
#include "support/win32/window_system.h"

namespace {
constexpr int kCaptionTextIndent = 4;

RECT RectOf(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
}  // namespace

void HWindowPeer::PaintClient(HDC dc, const RECT& area) {
    const TSolidBrush background(ColorRefOf(Control().GetColor()));
    FillRect(dc, &area, background.Get());
    PaintCaption(dc);
    PaintChildControls(Control(), dc, area);
    PaintDesignOverlay(Control(), dc);
}

void HWindowPeer::PaintCaption(HDC dc) {
    const HWindow& window = Window();
    RECT bar = RectOf(window.CaptionRect());
    const TSolidBrush fill(ColorRefOf(window.GetCaptionColor()));
    FillRect(dc, &bar, fill.Get());

    RECT text = bar;
    text.left += kCaptionTextIndent;
    const TRect close = window.CloseButtonRect();
    if (close.Right > close.Left) text.right = close.Left - kCaptionTextIndent;
    const TSavedDcState saved(dc);
    const TFontHandle font(*window.GetFont());
    SelectObject(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRefOf(window.GetCaptionTextColor()));
    const std::wstring caption = Utf8ToWide(window.GetCaption());
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);

    if (close.Right <= close.Left) return;
    RECT button = RectOf(close);
    DrawFrameControl(dc, &button, DFC_CAPTION, DFCS_CAPTIONCLOSE | (window.CloseButtonPressed() ? DFCS_PUSHED : 0));
}

void InstallToolWindowWindowing() {
    static bool installed = false;
    if (installed) return;
    InstallWin32WindowSystem();
    RegisterWindowPeerMaker(HWindow::StaticClass(), MakeWindowPeer<HWindowPeer>);
    installed = true;
}
