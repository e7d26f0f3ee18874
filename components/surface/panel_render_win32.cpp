#include "design_panel_peer_win32.h"
#include "panel_render.h"
#include "components/visual/toolbar/toolbar_button_win32.h"
#include "support/gdi/dib_win32.h"
#include "support/win32/window_system.h"

HBitmap RenderDesignPanel(HCustomDesignPanel& panel) {
    InstallWin32WindowSystem();
    // The component library's own control classes (the keys among them) paint through these.
    InstallToolbarButtonWindowing();
    panel.HandleNeeded();
    auto* peer = dynamic_cast<HDesignPanelPeer*>(panel.Peer());
    if (!peer) throw EInvalidOperation("The panel's window cannot draw itself");
    if (panel.GetWidth() <= 0 || panel.GetHeight() <= 0) {
        HBitmap empty;
        return empty;
    }
    const TDibSection image(panel.GetWidth(), panel.GetHeight());
    peer->PaintWindow(image.Dc());
    return image.ToBitmap();
}
