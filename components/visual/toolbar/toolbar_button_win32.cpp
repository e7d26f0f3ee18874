#include "toolbar_button_win32.h"

#include "support/win32/control_painter.h"

void InstallToolbarButtonWindowing() {
    static bool installed = false;
    if (installed) return;
    RegisterControlPainter(TCustomToolbarButton97::StaticClass(), &PaintToolbarButton);
    SetRepeatTimerFactory(&MakeWin32RepeatTimer);
    installed = true;
}
