// What a click on a key of the layout does.
#include "components/config/cfg_storage.h"
#include "components/surface/design_panel.h"
#include "components/visual/menus/h_menu_item.h"
#include "components/visual/menus/h_popup_menu.h"
#include "keys/key_state.h"
#include "keys/osk_custom_key.h"
#include "main_form_osk.h"
// After windows.h, which main_form_osk.h brings.
#include <shellapi.h>

#include "runtime/chars/char_window.h"
#include "runtime/delivery/keystrokes.h"
#include "runtime/delivery/layout_files.h"
#include "runtime/delivery/popup_position.h"
#include "runtime/delivery/target_tracker.h"
#include "runtime/settings/runtime_settings.h"
#include "support/lib/paths.h"

OSKCustomKey* TMainFormOSK::OwnKeyAt(uintptr_t address) const {
    // The address comes in a message any process may post: it is compared, never followed,
    // until it has been found among this window's own keys.
    for (int i = 0; i < design->ControlCount(); ++i) {
        auto* key = dynamic_cast<OSKCustomKey*>(design->Controls(i));
        if (key && reinterpret_cast<uintptr_t>(key) == address) return key;
    }
    return nullptr;
}

void TMainFormOSK::KeyPressed(OSKCustomKey* key) {
    if (key->GetKeyKind() == kCommandKey)
        RunCommand(key);
    else
        PressKey(key);
}

void TMainFormOSK::PressKey(OSKCustomKey* key) {
    charDisplay_->ShowPressedChar(key);
    target_->RestoreTargetFocus();
    const int code = key->GetKeyCode();
    const bool release = key->GetKeyKind() == kModifierKey && IsModifierKey(code) && key->GetGroupIndex() != 0 &&
                         !key->GetDown();
    keystrokes_->SendVirtualKey(code, release);
}

void TMainFormOSK::RunCommand(OSKCustomKey* key) {
    switch (key->GetCommand()) {
        case ocMinimize: idShowHide(key); break;
        case ocConfigure: idConfig(key); break;
        case osSysMenu: PopupByKey(key, popupTry); break;
        case ocClose: PostMessageW(Window(), WM_CLOSE, 0, 0); break;
        case ocSwitchKeyboard: LoadLayout(key->GetFileOrCommand()); break;
        case ocSelectKeyboard: SelectKeyboardMenu(key); break;
        case ocConstMacro:
            target_->RestoreTargetFocus();
            keystrokes_->PasteText(key->GetFileOrCommand());
            break;
        case ocVarMacro:
            if (TEdit* edit = key->GetBufferEdit()) {
                target_->RestoreTargetFocus();
                keystrokes_->PasteText(edit->GetText());
                if (cfg->Read(kClearBuff, kDefaultClearBuff)) edit->SetText("");
            }
            break;
        case ocExecute:
            ShellExecuteA(nullptr, "open", key->GetFileOrCommand().c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
            break;
        case ocShortCut:
            if (key->GetShortCut() == 0) break;
            target_->RestoreTargetFocus();
            keystrokes_->SendShortCut(key->GetShortCut());
            break;
        case ocLayoutChange: SwitchTargetLayout(); break;
    }
}

void TMainFormOSK::SelectKeyboardMenu(OSKCustomKey* key) {
    const auto files = FindLayoutFiles(key->GetFileOrCommand(), GetStartupDir());
    if (!files) return;
    popupFiles->Items()->Clear();
    LayoutFileList = *files;
    for (size_t i = 0; i < LayoutFileList.size(); ++i) {
        auto* item = new HMenuItem(this);
        item->SetCaption(LayoutMenuCaption(LayoutFileList[i]));
        item->SetTag(static_cast<int>(i));
        item->OnClick = [this, item](TObject*) {
            const size_t index = static_cast<size_t>(item->GetTag());
            if (index < LayoutFileList.size()) LoadLayout(LayoutFileList[index]);
        };
        popupFiles->Items()->Add(item);
    }
    if (popupFiles->Items()->Count() > 0) PopupByKey(key, popupFiles);
}

void TMainFormOSK::PopupByKey(OSKCustomKey* key, TPopupMenu* menu) {
    const TRect bounds{key->GetLeft(), key->GetTop(), key->GetLeft() + key->GetWidth(), key->GetTop() + key->GetHeight()};
    const TPoint point = PopupByKeyPoint(bounds, design->GetHeight(), GetSystemMetrics(SM_CYMENU), menu->Items()->Count());
    const TPoint screen = design->ClientToScreen(point);
    menu->Popup(screen.X, screen.Y);
}
