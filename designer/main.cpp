// The designer's entry: the main window from its stored form, then the message loop.
#include <windows.h>

#include "main_form.h"
#include "support/win32/application.h"

namespace {
int RunDesigner() {
    Application().Initialize();
    Application().SetTitle("OSK: Editor");
    RegisterMainFormWindow();
    std::unique_ptr<TMainForm> form = CreateMainForm();
    form->ShowMainWindow();
    return Application().Run();
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunProgram(&RunDesigner); }
