#include "toolbar_button_win32.h"

#include "support/win32/container_peer.h"
#include "support/win32/control_painter.h"

void InstallToolbarButtonWindowing() {
    static bool installed = false;
    if (installed) return;
    RegisterControlPainter(TCustomToolbarButton97::StaticClass(), &PaintToolbarButton);
    AddContainerMouseHook(&RouteToolbarButtonMouse);
    SetRepeatTimerFactory(&MakeWin32RepeatTimer);
    installed = true;
}
