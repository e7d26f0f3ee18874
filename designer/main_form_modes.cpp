// Design mode and test mode, and the key labels in each.
#include <windows.h>

#include "components/surface/design_panel.h"
#include "components/visual/logcombo/h_log_combo_box.h"
#include "components/visual/toolwindow/h_window.h"
#include "designer/engine/designer.h"
#include "designer/engine/designer_panel.h"
#include "keys/key_relabel.h"
#include "keys/key_state.h"
#include "keys/osk_custom_key.h"
#include "main_form.h"
#include "support/controls/bevel.h"
#include "support/controls/tab_set.h"
#include "support/inspector/object_inspector.h"
#include "support/win32/timer.h"

bool TMainForm::IsDesignMode() const { return CurrentForm() && designer->GetActive(); }

void TMainForm::SetDesignMode(bool on) {
    if ((on && !CurrentForm()) || on == lastMode_) return;
    modeChanging_ = true;
    lastMode_ = on;
    if (on) {
        DesignPlace->Hide();
        DesignPlace->SetParent(nullptr);
        DesignPanel->SetBounds(DesignPlace->GetLeft(), DesignPlace->GetTop(), DesignPlace->GetWidth(),
                               DesignPlace->GetHeight());
        DesignPanel->Show();
        designer->SetActive(true);
    } else {
        inspector->SetControls(std::vector<TComponent*>{});
        designer->SetActive(false);
        DesignPanel->Hide();
        DesignPlace->SetParent(DesPanel);
        DesignPlace->Show();
    }
    tbInspector->SetVisible(IsDesignMode());
    pgState->SetTabIndex(IsDesignMode() ? 1 : 0);
    RebuildComponentList();
    modeChanging_ = false;
    if (IsDesignMode())
        ResetKeyLabels();
    else
        RefreshKeyLabels();
}

void TMainForm::Design1Click(TObject*) { SetDesignMode(!IsDesignMode()); }

void TMainForm::pgStateChange(TObject*, int newTab, bool& allowChange) {
    if (modeChanging_) return;
    const bool before = IsDesignMode();
    SetDesignMode(newTab == 1);
    allowChange = IsDesignMode() != before;
}

void TMainForm::DesignPlaceResize(TObject*) {
    if (DesignPanel) DesignPanel->SetBounds(DesignPanel->GetLeft(), DesignPanel->GetTop(), DesignPlace->GetWidth(), DesignPlace->GetHeight());
}

void TMainForm::RefreshKeyLabels() {
    uint8_t state[256];
    if (!GetKeyboardState(state)) return;
    const HKL layout = GetKeyboardLayout(0);
    const uint32_t signature = KeyStateSignature(state);
    if (signature == lastSignature_ && layout == lastLayout_) return;
    RelabelKeys(*DesignPlace, state, layout);
    lastSignature_ = signature;
    lastLayout_ = layout;
}

void TMainForm::ShowLiveKeyLabels() {
    lastSignature_ = kNoSignature;
    RefreshKeyLabels();
}

void TMainForm::ResetKeyLabels() {
    uint8_t state[256];
    if (!GetKeyboardState(state)) return;
    for (int key : {VK_MENU, VK_LMENU, VK_RMENU, VK_SHIFT, VK_LSHIFT, VK_RSHIFT, VK_CONTROL, VK_LCONTROL, VK_RCONTROL,
                    VK_APPS, VK_LWIN, VK_RWIN, VK_CAPITAL, VK_NUMLOCK, VK_SCROLL})
        state[key] = 0;
    RelabelKeys(*DesignPlace, state, nullptr);
}

void TMainForm::keyTimerTimer(TObject*) {
    keyTimer->SetEnabled(false);
    if (!IsDesignMode()) RefreshKeyLabels();
}

void TMainForm::RebuildComponentList() {
    if (!bComp || !bComp->HandleAllocated()) return;
    const int chosen = bComp->GetItemIndex();
    bComp->Clear();
    if (IsDesignMode()) {
        auto add = [this](TControl* control, auto& self) -> void {
            bComp->AddItem(std::string(control->ClassName()) + " : " + control->GetName(), control);
            if (auto* container = dynamic_cast<TWinControl*>(control))
                for (int i = 0; i < container->ControlCount(); ++i) self(container->Controls(i), self);
        };
        add(DesignPlace, add);
    }
    if (chosen < bComp->GetItems()->Count()) bComp->SetItemIndex(chosen);
}
