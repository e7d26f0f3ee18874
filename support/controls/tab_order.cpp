#include "tab_order.h"

#include <windows.h>

void ArrangeWindowsInTabOrder(TWinControl& control) {
    HWND previous = HWND_TOP;
    for (TWinControl* child : control.TabList()) {
        if (!child->HandleAllocated()) continue;
        const HWND wnd = static_cast<HWND>(child->Handle());
        SetWindowPos(wnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = wnd;
        ArrangeWindowsInTabOrder(*child);
    }
}
