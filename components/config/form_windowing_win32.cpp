#include <windows.h>

#include "components/config/form_windowing.h"
#include "support/framework/win_control.h"

namespace {
HWND WindowOf(const TControl& form) {
    const auto* windowed = dynamic_cast<const TWinControl*>(&form);
    if (!windowed || !windowed->HandleAllocated() || !windowed->Peer()) return nullptr;
    return static_cast<HWND>(windowed->Peer()->Handle());
}

class HWin32Windowing : public HFormWindowing {
public:
    TPoint ScreenSize() const override { return {GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)}; }

    HWindowState WindowState(const TControl& form) const override {
        HWND window = WindowOf(form);
        if (!window) return hwsNormal;
        if (IsIconic(window)) return hwsMinimized;
        return IsZoomed(window) ? hwsMaximized : hwsNormal;
    }

    // A window that is not on the screen has no state to take: showing it would change its
    // visibility behind the control's back.
    void SetWindowState(TControl& form, HWindowState state) const override {
        HWND window = WindowOf(form);
        if (!window || !IsWindowVisible(window)) return;
        static const int commands[] = {SW_RESTORE, SW_SHOWMINNOACTIVE, SW_MAXIMIZE};
        ShowWindow(window, commands[state]);
    }

    bool IsSizeable(const TControl& form) const override {
        HWND window = WindowOf(form);
        return !window || (GetWindowLongPtrA(window, GWL_STYLE) & WS_THICKFRAME) != 0;
    }
};
}  // namespace

const HFormWindowing& SystemFormWindowing() {
    static const HWin32Windowing windowing;
    return windowing;
}
