#include "toolbar97_controls.h"

#include "components/visual/toolbar/toolbar_button_win32.h"
#include "font_combo_box97_peer.h"
#include "support/controls/standard_controls.h"
#include "support/win32/window_system.h"

void InstallToolbar97Controls() {
    static bool installed = false;
    if (installed) return;
    InstallStandardControls();
    InstallToolbarButtonWindowing();
    RegisterWindowPeerMaker(TFontComboBox97::StaticClass(), MakeWindowPeer<TFontComboBox97Peer>);
    installed = true;
}
