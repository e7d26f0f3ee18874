// What the designer paints over the surface: grab handles, the rubber band, the outline of
// a control being drawn and the guides a drag snapped to.
#include <algorithm>

#include "design_drag.h"
#include "designer.h"

namespace {
constexpr TColor kGuideColor = 0xFF8000;

void Handle(IOverlayCanvas& canvas, const TRect& r, TColor fill, TColor border) {
    canvas.FillRect(r, fill);
    canvas.FrameRect(r, border);
}

// Handles of the surface itself sit just inside its client area.
TRect Inside(const TRect& handle, const TRect& area) {
    const int dx = std::max(0, area.Left - handle.Left) - std::max(0, handle.Right - area.Right);
    const int dy = std::max(0, area.Top - handle.Top) - std::max(0, handle.Bottom - area.Bottom);
    return {handle.Left + dx, handle.Top + dy, handle.Right + dx, handle.Bottom + dy};
}
}  // namespace

void TELDesigner::PaintOverlay(TWinControl& container, IOverlayCanvas& canvas) {
    if (!active_ || &container != designControl_) return;
    if (grid_->GetVisible()) PaintGrid(canvas);
    const bool single = selection_.GetCount() == 1;
    const bool focused = HasFocus();
    for (TControl* control : selection_.Controls()) PaintHandles(canvas, control, single, focused);
    if (!drag_) return;
    if ((drag_->Kind == TDragKind::RubberBand || drag_->Kind == TDragKind::Insert) &&
        (drag_->Last.X != drag_->Start.X || drag_->Last.Y != drag_->Start.Y))
        canvas.FocusRect(drag_->Band());
    for (const TGuideLine& line : drag_->Guides) {
        const TRect r = line.Vertical ? TRect{line.Position, line.From, line.Position + 1, line.To}
                                      : TRect{line.From, line.Position, line.To, line.Position + 1};
        canvas.FillRect(r, kGuideColor);
    }
}

void TELDesigner::PaintHandles(IOverlayCanvas& canvas, TControl* control, bool single, bool focused) const {
    const bool surface = control == designControl_;
    const TRect bounds = surface ? designControl_->ClientRect() : control->BoundsRect();
    const std::array<TRect, 8> handles = HandleRects(bounds, kHandleSize);
    const bool locked = !surface && (Locked(control, lmNoMove) || Locked(control, lmNoResize));
    TColor fill = single ? handleColor_ : multiHandleColor_;
    TColor border = single ? handleBorderColor_ : multiHandleBorderColor_;
    if (!focused) {
        fill = inactiveHandleColor_;
        border = inactiveHandleBorderColor_;
    }
    if (locked) fill = lockedHandleColor_;
    // Several selected controls show their corners only.
    for (int i = 0; i < 8; ++i) {
        if (!single && i % 2 == 1) continue;
        const TRect r = surface ? Inside(handles[static_cast<size_t>(i)], bounds) : handles[static_cast<size_t>(i)];
        Handle(canvas, r, fill, border);
    }
}

void TELDesigner::PaintGrid(IOverlayCanvas& canvas) const {
    const int width = designControl_->ClientWidth(), height = designControl_->ClientHeight();
    for (int y = 0; y < height; y += grid_->GetYStep())
        for (int x = 0; x < width; x += grid_->GetXStep()) canvas.FillRect({x, y, x + 1, y + 1}, grid_->GetColor());
}
