#include "runtime/hooklink/wnd_msg_proc.h"

#include "keys/osk_messages.h"
#include "runtime/hooklink/layout_list.h"
#include "runtime/hooklink/shared_data.h"

namespace {

// A hooked thread belongs to someone else's program: never keep it waiting long.
constexpr DWORD kHookAccessWaitMs = 50;

bool IsCallingThreadWindow(HWND window) {
    return window != nullptr && IsWindow(window) &&
           GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

bool ShouldAct(int code, const CWPSTRUCT* message) {
    return code == HC_ACTION && message != nullptr && IsCallingThreadWindow(message->hwnd) &&
           SharedBlock().IsOpen();
}

void ReportLayout(OSKSharedData& record, HWND window, HKL layout) {
    record.Layout = HandleToField(layout);
    PostMessageA(FieldToWindow(record.RuntimeWindow), WM_OSK_LAYOUTCHANGED, reinterpret_cast<WPARAM>(window),
                 reinterpret_cast<LPARAM>(layout));
}

void ServeTarget(OSKSharedData& record, const CWPSTRUCT& message) {
    if (!IsCallingThreadWindow(FieldToWindow(record.TargetWindow))) return;
    if (record.Command == kHookCommandNextLayout) NextLayout(message.hwnd, nullptr);
    record.Command = kHookCommandNone;
    if (message.message == WM_INPUTLANGCHANGEREQUEST || message.message == WM_INPUTLANGCHANGE) {
        ReportLayout(record, message.hwnd, reinterpret_cast<HKL>(message.lParam));
        return;
    }
    HKL current = GetKeyboardLayout(0);
    if (HandleToField(current) != record.Layout) ReportLayout(record, message.hwnd, current);
}

}  // namespace

LRESULT CALLBACK WndMsgProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (ShouldAct(code, message) && SharedBlock().WaitFor(kHookAccessWaitMs))
        ServeTarget(*SharedBlock().Data(), *message);
    SharedBlock().Signal();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
