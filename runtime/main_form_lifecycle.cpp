// Start-up and shut-down of the keyboard window.
#include "components/config/cfg_storage.h"
#include "components/surface/design_panel.h"
#include "keys/osk_messages.h"
#include "main_form_osk.h"
#include "runtime/chars/char_window.h"
#include "runtime/delivery/keystrokes.h"
#include "runtime/delivery/target_tracker.h"
#include "runtime/hooklink/layout_hook.h"
#include "runtime/hooklink/layout_list.h"
#include "runtime/hooklink/shared_data.h"
#include "runtime/settings/runtime_settings.h"
#include "support/dialogs/questions.h"
#include "support/lib/command_line.h"
#include "support/lib/win_abort.h"
#include "support/shell/keyboard_icon.h"
#include "support/shell/tray_icon.h"
#include "support/win32/application.h"
#include "support/win32/message_loop.h"

namespace {
bool DragFilterOfMainForm(const MSG& message) { return MainFormOSK() && MainFormOSK()->DragFilter(message); }
}  // namespace

void TMainFormOSK::FormCreate() {
    if (!InitLayoutList()) __WinAbort("!init HKL");
    if (!SharedBlock().Open()) __WinAbort("Invalid shared data");
    {
        TSharedAccess record(SharedBlock());
        record->RuntimeWindow = HandleToField(Window());
        record->TargetWindow = 0;
        record->Layout = 0;
    }
    AddMessageFilter(&DragFilterOfMainForm);
    design->SetBounds(0, 0, design->GetWidth(), design->GetHeight());
    target_ = std::make_unique<TTargetTracker>(Window(), &IsWindowOfThisProcess, [this](HWND window) { TargetAdopted(window); });
    LastLayout = nullptr;
    LastSignature = 0;
    LastTarget = nullptr;
    ClampToScreen();
    cfg->Load();
    ChooseLayout();
    FinishStartupSoon();
}

// What the first paint does not need waits until the keyboard has painted, as timer messages
// come after paint messages: the shell alone takes tens of milliseconds to add an icon.
void TMainFormOSK::FinishStartupSoon() { SetTimer(Window(), kStartupTimer, 1, nullptr); }

bool TMainFormOSK::StartupTimerTick(WPARAM timer) {
    if (timer != kStartupTimer) return false;
    KillTimer(Window(), kStartupTimer);
    FinishStartup();
    return true;
}

void TMainFormOSK::FinishStartup() {
    if (startupFinished_) return;
    startupFinished_ = true;
    CreateCharWindow();
    ParkCharWindow(Window());
    Application().Initialize();
    Application().SetIcon(MakeKeyboardIcon(32));
    ApplyHookSetting();
    NITrayIcon1->SetIcon(MakeKeyboardIcon(16));
    NITrayIcon1->SetVisible(true);
    idMainTimer(this);
}

void TMainFormOSK::ChooseLayout() {
    if (const char* argument = CTArgGetArg(0); argument && *argument) LoadLayout(argument);
    if (!LayoutLoaded && cfg->Read(kLoadLastForm, kDefaultLoadLastForm)) {
        const std::string last = cfg->Read(kLastUsedForm, std::string(kDefaultLastUsedForm));
        if (!last.empty()) LoadLayout(last);
    }
    // Looked for where it is loaded from, the program's folder, whatever the current folder is.
    if (!LayoutLoaded) LoadLayout("startup.osk");
}

void TMainFormOSK::ApplyHookSetting() {
    const bool wanted = cfg->Read(kHooKL, kDefaultHooKL);
    if (wanted && !IsLayoutHookSet()) {
        if (!InstallLayoutHook("Trellin.dll")) {
            AskMessage(Window(), nullptr,
                       "Error setting layoud hook\nLayou change monitoring will be turned off\n\nError: %s",
                       LayoutHookError().c_str());
            cfg->Write(kHooKL, false);
        }
    } else if (!wanted && IsLayoutHookSet()) {
        RemoveLayoutHook();
    }
    PostMessageW(Window(), WM_OSK_APPLYTASKBAR, 0, 0);
}

void TMainFormOSK::FormClose() {
    if (closed_) return;
    closed_ = true;
    RemoveLayoutHook();
    const std::string last = cfg->Read(kLastUsedForm, std::string(kDefaultLastUsedForm));
    if (!last.empty()) StoreLayoutPosition(last);
    keystrokes_->ReleaseModifiers();
    target_->DetachInput();
    cfg->Save();
}
