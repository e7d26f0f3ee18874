// The target's keyboard layout, from the hook where it runs in the target's process and from
// the target's thread where it cannot (a process of the other bitness).
#include <windows.h>

#include "components/config/cfg_storage.h"
#include "main_form_fixture.h"
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
