// Following the target window and its keyboard layout: the 200 ms timer step.
#include "components/config/cfg_storage.h"
#include "components/surface/design_panel.h"
#include "keys/key_relabel.h"
#include "keys/key_state.h"
#include "keys/osk_custom_key.h"
#include "main_form_osk.h"
#include "runtime/delivery/input_platform.h"
#include "runtime/delivery/target_tracker.h"
#include "runtime/hooklink/layout_hook.h"
#include "runtime/hooklink/layout_list.h"
#include "runtime/hooklink/null_message.h"
#include "runtime/hooklink/shared_data.h"
#include "runtime/settings/runtime_settings.h"

void TMainFormOSK::idMainTimer(TObject*) {
    if (Busy || !target_) return;
    target_->TrackForeground();
    uint8_t state[kKeyboardStateSize];
    // Without a state the keys would be labelled from whatever the buffer held.
    if (!input_->ReadKeyboardState(state)) return;
    const uint32_t signature = KeyStateSignature(state);
    HKL layout = LastLayout;
    if (cfg->Read(kHooKL, kDefaultHooKL)) {
        if (hookReachesTarget_) {
            TSharedAccess record(SharedBlock());
            layout = FieldToLayout(record->Layout);
        } else {
            // The record still holds our own layout, which the hook never replaced.
            layout = GetKeyboardLayout(target_->TargetThread);
        }
    }
    if (layout != LastLayout && cfg->Read(kSetKL, kDefaultSetKL))
        PostMessageW(Window(), WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(layout));
    if (signature == LastSignature && target_->TargetWindow == LastTarget && layout == LastLayout) return;
    RefreshKeys(state, layout);
    LastLayout = layout;
    LastSignature = signature;
    LastTarget = target_->TargetWindow;
}

void TMainFormOSK::SwitchTargetLayout() {
    if (IsLayoutHookSet() && hookReachesTarget_)
        PostHookCommand(target_->TargetWindow, 1, 0, 0);
    else
        NextLayout(target_->TargetWindow, nullptr);
}

void TMainFormOSK::RefreshKeys(uint8_t* state, HKL layout) {
    uint8_t own[kKeyboardStateSize];
    if (!state) {
        if (!input_->ReadKeyboardState(own)) return;
        state = own;
    }
    if (!layout && target_) layout = GetKeyboardLayout(target_->TargetThread);
    RelabelKeys(*design, state, layout);
}

void TMainFormOSK::TargetAdopted(HWND window) {
    hookReachesTarget_ = SharesHookWith(window);
    {
        TSharedAccess record(SharedBlock());
        record->TargetWindow = HandleToField(window);
        record->Layout = HandleToField(GetKeyboardLayout(target_->OwnThread));
    }
    SendNullMessage(window);
    idMainTimer(this);
}
