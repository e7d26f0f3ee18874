#include "control_painter.h"

#include <map>

#include "gdi_color.h"
#include "gdi_objects.h"
#include "paint_pass.h"

namespace {
std::map<TClass, ControlPainter>& Painters() {
    static std::map<TClass, ControlPainter> painters;
    return painters;
}

RECT RectOf(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
}  // namespace

void RegisterControlPainter(const TMetaClass& cls, ControlPainter painter) { Painters()[&cls] = std::move(painter); }

const ControlPainter* FindControlPainter(const TControl& control) {
    const auto& painters = Painters();
    for (TClass cls = control.ClassType(); cls; cls = cls->ClassParent()) {
        const auto found = painters.find(cls);
        if (found != painters.end() && found->second) return &found->second;
    }
    return nullptr;
}

namespace {
class TDcOverlayCanvas : public IOverlayCanvas {
public:
    explicit TDcOverlayCanvas(HDC dc) : dc_(dc) {}
    void FillRect(const TRect& area, TColor color) override {
        const RECT r = RectOf(area);
        const TSolidBrush brush(ColorRefOf(color));
        ::FillRect(dc_, &r, brush.Get());
    }
    void FrameRect(const TRect& area, TColor color) override {
        const RECT r = RectOf(area);
        const TSolidBrush brush(ColorRefOf(color));
        ::FrameRect(dc_, &r, brush.Get());
    }
    void FocusRect(const TRect& area) override {
        const RECT r = RectOf(area);
        ::DrawFocusRect(dc_, &r);
    }

private:
    HDC dc_;
};
}  // namespace

void PaintDesignOverlay(TWinControl& container, HDC dc) {
    IDesignInterceptor* interceptor = container.DesignInterceptor();
    if (!interceptor) return;
    const TSavedDcState saved(dc);
    TDcOverlayCanvas canvas(dc);
    interceptor->PaintOverlay(container, canvas);
}

void PaintChildControls(const TWinControl& parent, HDC dc, const RECT& area) {
    TPaintPass pass(dc);
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl& child = *parent.Controls(i);
        if (!child.GetVisible() || child.Is<TWinControl>()) continue;
        const RECT bounds = RectOf(child.BoundsRect());
        RECT overlap;
        if (!IntersectRect(&overlap, &bounds, &area)) continue;
        const ControlPainter* painter = FindControlPainter(child);
        if (!painter) continue;
        pass.EnterChild(child);
        (*painter)(child, dc);
    }
}
