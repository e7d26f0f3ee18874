#include <windows.h>

#include "dock_windowing.h"
#include "dockable_window97_peer_win32.h"

namespace {
class TWin32DockWindowing : public TDockWindowing {
public:
    TRect FloatingFrame() const override {
        RECT frame{0, 0, 0, 0};
        AdjustWindowRectEx(&frame, kFloatingStyle, FALSE, kFloatingExStyle);
        return {-frame.left, -frame.top, frame.right, frame.bottom};
    }

    TRect WorkAreaNearest(const TRect& bounds) const override {
        const RECT rect{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) return {};
        return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    }
};
}  // namespace

const TDockWindowing& SystemDockWindowing() {
    static const TWin32DockWindowing windowing;
    return windowing;
}
