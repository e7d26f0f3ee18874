#include "standard_controls.h"

#include <windows.h>

#include <commctrl.h>

#include "bevel_draw_win32.h"
#include "button_peer.h"
#include "check_box_peer.h"
#include "control_classes.h"
#include "memo_peer_win32.h"
#include "modal_form_peer.h"
#include "page_control_peer.h"
#include "radio_group_peer.h"
#include "support/win32/control_painter.h"
#include "support/win32/window_system.h"
#include "tab_control_peer_win32.h"
#include "tab_set_peer_win32.h"
#include "tab_sheet_peer.h"
#include "up_down_peer.h"

void InstallStandardControls() {
    static bool installed = false;
    if (installed) return;
    InstallWin32WindowSystem();
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    RegisterWindowPeerMaker(TCheckBox::StaticClass(), MakeWindowPeer<TCheckBoxPeer>);
    RegisterWindowPeerMaker(TButton::StaticClass(), MakeWindowPeer<TButtonPeer>);
    RegisterWindowPeerMaker(TPageControl::StaticClass(), MakeWindowPeer<TPageControlPeer>);
    RegisterWindowPeerMaker(TTabSheet::StaticClass(), MakeWindowPeer<TTabSheetPeer>);
    RegisterWindowPeerMaker(TUpDown::StaticClass(), MakeWindowPeer<TUpDownPeer>);
    RegisterWindowPeerMaker(TModalForm::StaticClass(), MakeWindowPeer<TModalFormPeer>);
    RegisterWindowPeerMaker(TCustomTabControl::StaticClass(), MakeWindowPeer<TTabControlPeer>);
    RegisterWindowPeerMaker(TTabSet::StaticClass(), MakeWindowPeer<TTabSetPeer>);
    RegisterWindowPeerMaker(TMemo::StaticClass(), MakeWindowPeer<TMemoPeer>);
    RegisterWindowPeerMaker(TPanel::StaticClass(), MakeWindowPeer<TPanelPeer>);
    RegisterWindowPeerMaker(TRadioGroup::StaticClass(), MakeWindowPeer<TRadioGroupPeer>);
    RegisterWindowPeerMaker(TRadioButton::StaticClass(), MakeWindowPeer<TRadioButtonPeer>);
    RegisterControlPainter(TBevel::StaticClass(), &PaintBevel);
    RegisterStandardControlClasses();
    installed = true;
}
