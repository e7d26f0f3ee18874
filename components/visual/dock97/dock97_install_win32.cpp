#include "dock97_install_win32.h"

#include "components/visual/toolbar97/toolbar97_controls.h"
#include "dockable_window97_peer_win32.h"
#include "support/win32/window_system.h"

void InstallDock97Windowing() {
    static bool installed = false;
    if (installed) return;
    InstallWin32WindowSystem();
    InstallToolbar97Controls();
    RegisterWindowPeerMaker(TCustomDockableWindow97::StaticClass(), &TDockableWindowPeer::Make);
    installed = true;
}
