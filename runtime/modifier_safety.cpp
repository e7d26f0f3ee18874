#include "modifier_safety.h"

#include <windows.h>

#include <exception>

#include "main_form_osk.h"
#include "runtime/delivery/keystrokes.h"

namespace {
TMainFormOSK* guarded = nullptr;
std::terminate_handler previousTerminate = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;

void ReleaseLatchedModifiers() {
    TMainFormOSK* form = guarded;
    guarded = nullptr;  // once: the release itself may be what failed
    if (form) form->Keystrokes().ReleaseModifiers();
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* info) {
    ReleaseLatchedModifiers();
    return previousFilter ? previousFilter(info) : EXCEPTION_CONTINUE_SEARCH;
}

void OnTerminate() {
    ReleaseLatchedModifiers();
    if (previousTerminate) previousTerminate();
    std::abort();
}
}  // namespace

void InstallModifierSafety(TMainFormOSK& form) {
    guarded = &form;
    previousFilter = SetUnhandledExceptionFilter(&OnUnhandledException);
    previousTerminate = std::set_terminate(&OnTerminate);
}
