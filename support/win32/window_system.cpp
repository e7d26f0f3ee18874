#include "window_system.h"

#include "control_painter.h"
#include "edit_peer.h"
#include "label_painter.h"
#include "scrolling_peer.h"

void InstallWin32WindowSystem() {
    static bool installed = false;
    if (installed) return;
    RegisterControlPainter(TLabel::StaticClass(), &PaintLabel);
    SetWindowPeerFactory(&MakeWin32WindowPeer);
    installed = true;
}

std::unique_ptr<TWindowPeer> MakeWin32WindowPeer(TWinControl& control) {
    if (dynamic_cast<TEdit*>(&control)) return MakeWindowPeer<TEditPeer>(control);
    if (dynamic_cast<TScrollingWinControl*>(&control)) return MakeWindowPeer<TScrollingPeer>(control);
    return MakeWindowPeer<TContainerPeer>(control);
}
