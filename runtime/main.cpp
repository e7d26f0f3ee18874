// The keyboard's entry: one instance per session; a second start shows the first.
#include <windows.h>

#include "keys/osk_messages.h"
#include "main_form_osk.h"
#include "support/lib/command_line.h"
#include "support/win32/application.h"
#include "support/win32/message_loop.h"
#include "runtime/modifier_safety.h"

namespace {
bool ShowRunningInstance() {
    HWND running = FindWindowW(kMainFormClass, kMainFormTitle);
    if (!running) return false;
    // A hung first instance must not hang the second start.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(running, WM_OSK_SHOWHIDE, 1, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    return true;
}

int RunKeyboard() {
    // The task-bar window is made once the keyboard has painted (FinishStartup).
    Application().SetTitle("OSK");
    RegisterMainFormWindow();
    TMainFormOSK form(nullptr);
    form.HandleNeeded();
    form.FormCreate();
    InstallModifierSafety(form);
    Application().OnTaskbarClick = [&form] { form.idShowHide(&form); };
    Application().OnClose = [&form] { form.mnuExitClick(&form); };
    form.Show();
    return Application().Run();
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (ShowRunningInstance()) return 0;
    return RunProgram(&RunKeyboard);
}
