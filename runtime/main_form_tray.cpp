// The tray icon's menu and the commands it shares with the keys.
#include "components/config/cfg_storage.h"
#include "components/visual/menus/h_menu_item.h"
#include "main_form_osk.h"
#include "runtime/settings/config_form.h"
#include "runtime/settings/runtime_settings.h"
#include "support/dialogs/open_dialog.h"
#include "support/lib/paths.h"
#include "support/win32/application.h"

void TMainFormOSK::idShowHide(TObject*) {
    if (GetVisible()) {
        Hide();
        return;
    }
    Show();
    ApplyTaskbarSetting();
}

void TMainFormOSK::popupTryPopup(TObject*) { mnuShowHide->SetCaption(GetVisible() ? "Hide" : "Show"); }

void TMainFormOSK::idActivateClick(TObject* sender) {
    if (!GetVisible()) idShowHide(sender);
    SetForegroundWindow(Window());
}

void TMainFormOSK::idConfig(TObject*) {
    if (RunConfigDialog(this, *cfg)) ApplyHookSetting();
}

void TMainFormOSK::mnuLoadClick(TObject*) {
    // The read-error question of a running load leaves the tray icon usable.
    if (Busy) return;
    open->SetInitialDir(cfg->Read(kLastPath, GetStartupDir()));
    if (!open->Execute(Window())) return;
    cfg->Write(kLastPath, FPath(open->GetFileName()));
    LoadLayout(open->GetFileName());
}

void TMainFormOSK::mnuExitClick(TObject*) { PostMessageW(Window(), WM_CLOSE, 0, 0); }
