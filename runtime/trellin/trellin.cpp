// The hook library: the runtime's layout hook procedure, for every process it is
// loaded into. Each such process opens the shared record on the first hook call.
#include <windows.h>

#include "runtime/hooklink/shared_data.h"
#include "runtime/hooklink/wnd_msg_proc.h"

namespace {

INIT_ONCE gOpenOnce = INIT_ONCE_STATIC_INIT;

BOOL CALLBACK OpenSharedBlock(PINIT_ONCE, PVOID, PVOID*) {
    SharedBlock().Open();
    return TRUE;
}

}  // namespace

// Exported as "WndMsgProc" (trellin.def).
extern "C" LRESULT CALLBACK TrellinWndMsgProc(int code, WPARAM wParam, LPARAM lParam) {
    InitOnceExecuteOnce(&gOpenOnce, OpenSharedBlock, nullptr, nullptr);
    return WndMsgProc(code, wParam, lParam);
}
