// The timer step: the target's keyboard layout, from the hook where it runs in the target's
// process and from the target's thread where it cannot (a process of the other bitness); and
// the keyboard state it relabels the keys from.
#include <windows.h>

#include "components/config/cfg_storage.h"
#include "components/surface/design_panel.h"
#include "keys/osk_messages.h"
#include <cstring>

#include "main_form_fixture.h"
#include "runtime/delivery/input_platform.h"
#include "runtime/delivery/target_tracker.h"
#include "runtime/hooklink/shared_data.h"

namespace {
// A layout the hook might report; no thread here has it.
const HKL kReportedLayout = FieldToLayout(0x04190419);

void ReportLayout(HKL layout) {
    TSharedAccess record(SharedBlock());
    record->Layout = HandleToField(layout);
}

HWND MakeTargetWindow() {
    return CreateWindowExW(0, L"STATIC", L"target", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                           nullptr);
}
}  // namespace

TEST_F(MainFormTest, TheTargetsLayoutComesFromTheHookOnlyWhereTheHookRuns) {
    StartForm(WriteLayout("small.osk", SmallLayout()));
    form->cfg->Write("HooKL", true);
    form->cfg->Write("SetKL", false);
    HWND sameBitness = MakeTargetWindow(), otherBitness = MakeTargetWindow();
    form->SharesHookWith = [](HWND window) { return GetWindowTextLengthW(window) != 5; };
    SetWindowTextW(otherBitness, L"other");
    // A window of ours in front: the timer step adopts no other target meanwhile.
    SetForegroundWindow(sameBitness);

    form->Target().SetTarget(sameBitness);
    ReportLayout(kReportedLayout);
    form->idMainTimer(form.get());
    EXPECT_EQ(form->LastLayout, kReportedLayout);

    form->Target().SetTarget(otherBitness);
    ReportLayout(kReportedLayout);
    form->idMainTimer(form.get());
    EXPECT_EQ(form->LastLayout, GetKeyboardLayout(form->Target().TargetThread));
    DestroyWindow(sameBitness);
    DestroyWindow(otherBitness);
}

namespace {
// A system that gives no keyboard state and leaves the buffer as it found it.
class TNoKeyboardState : public IInputPlatform {
public:
    void KeyEvent(uint8_t, bool) override {}
    bool ReadKeyboardState(uint8_t* state) override {
        std::memset(state, 0xFF, 256);
        return false;
    }
    bool PutClipboardText(const std::string&) override { return false; }
};
}  // namespace

TEST_F(MainFormTest, AStepWithoutAKeyboardStateRelabelsNothing) {
    StartForm(WriteLayout("small.osk", SmallLayout()));
    const uint32_t signature = form->LastSignature;
    TControl* key = dynamic_cast<TControl*>(form->design->FindComponent("a"));
    ASSERT_NE(key, nullptr);
    const std::string caption = key->GetCaption();
    TNoKeyboardState none;
    form->UseInputPlatform(none);
    form->idMainTimer(form.get());
    Send(WM_OSK_REFRESHKEYS);
    EXPECT_EQ(form->LastSignature, signature);
    EXPECT_EQ(key->GetCaption(), caption);
    form->UseInputPlatform(Win32InputPlatform());
}
