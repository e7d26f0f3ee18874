// The keyboard window: its styles, which keep it above all windows and out of the
// activation, and the messages that keys, the hook and other programs send it.
#include <windowsx.h>

#include "components/config/cfg_storage.h"
#include "components/visual/menus/h_popup_menu.h"
#include "keys/osk_custom_key.h"
#include "keys/osk_messages.h"
#include "main_form_osk.h"
#include "runtime/chars/char_window.h"
#include "runtime/delivery/keystrokes.h"
#include "support/win32/readable_memory.h"
#include "runtime/delivery/target_tracker.h"
#include "runtime/settings/runtime_settings.h"
#include "components/visual/toolbar/toolbar_button_win32.h"
#include "support/controls/standard_controls.h"
#include "support/menus/menu_system_win32.h"
#include "support/win32/application.h"
#include "support/win32/scrolling_peer.h"
#include "support/win32/window_system.h"

namespace {
constexpr DWORD kKeyboardExStyle = WS_EX_TOPMOST | WS_EX_NOACTIVATE;  // exactly 0x08000008
constexpr size_t kMaxSettingName = 50;

class TMainFormPeer : public TScrollingPeer {
public:
    using TScrollingPeer::TScrollingPeer;

    // Shown without taking the activation from the user's window.
    void ShowWindow(bool show) override { ::ShowWindow(Wnd(), show ? SW_SHOWNOACTIVATE : SW_HIDE); }

protected:
    void CreateParams(TCreateParams& params) override {
        TScrollingPeer::CreateParams(params);
        params.ClassName = ClassName();
        const bool caption = Form().cfg->Read(kCaption, kDefaultCaption);
        params.Style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | WS_SYSMENU | (caption ? WS_CAPTION : 0);
        params.ExStyle = kKeyboardExStyle;
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = 0;
        if (Form().HandleMessage(message, wParam, lParam, result)) return result;
        result = TScrollingPeer::WndProc(message, wParam, lParam);
        // Moves while the window is being made come before the form knows its window.
        if (message == WM_MOVE && Form().HandleAllocated()) Form().CharDisplay().PlaceCharWindow();
        return result;
    }

private:
    // A second start finds the keyboard by this class name.
    static const wchar_t* ClassName() {
        static const wchar_t* const name = RegisterContainerClass(kMainFormClass);
        return name;
    }
    TMainFormOSK& Form() const { return static_cast<TMainFormOSK&>(Control()); }
};

void EndingSession(TMainFormOSK& form) {
    // The session ends without WM_CLOSE: what closing does must happen now.
    form.FormClose();
}
}  // namespace

void RegisterMainFormWindow() {
    InstallWin32WindowSystem();
    InstallWin32MenuSystem();
    InstallToolbarButtonWindowing();
    InstallStandardControls();
    RegisterWindowPeerMaker(TMainFormOSK::StaticClass(), &MakeWindowPeer<TMainFormPeer>);
}

bool TMainFormOSK::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_OSK_SENDKEY:
            if (!target_) return true;
            target_->RestoreTargetFocus();
            keystrokes_->SendVirtualKey(LOWORD(wParam), false);
            return true;
        case WM_OSK_REFRESHKEYS:
            RefreshKeys(nullptr, nullptr);
            return true;
        case WM_OSK_LAYOUTCHANGED:
            idMainTimer(this);
            return true;
        case WM_OSK_GETSETTING:
            result = GetSetting(wParam, lParam);
            return true;
        case WM_OSK_KEYPRESSED:
            if (OSKCustomKey* key = OwnKeyAt(wParam)) KeyPressed(key);
            return true;
        case WM_OSK_SHOWHIDE:
            if ((wParam == 0 && GetVisible()) || (wParam == 1 && !GetVisible()) || wParam == 4096) idShowHide(this);
            return true;
        case WM_OSK_APPLYTASKBAR:
            ApplyTaskbarSetting();
            return true;
        case WM_CLOSE:
            // A load that is asking about a read error finishes first.
            if (Busy) {
                closeAfterLoad_ = true;
                return true;
            }
            FormClose();
            Application().Terminate();
            return true;
        case WM_ENDSESSION:
            if (wParam) EndingSession(*this);
            return true;
        case WM_MOUSEACTIVATE:
            // The no-activate style alone does not keep Wine from activating a clicked window.
            result = MA_NOACTIVATE;
            return true;
        case WM_TIMER:
            return DragTimerTick(wParam) || StartupTimerTick(wParam);
        case WM_CONTEXTMENU:
            popupTry->Popup(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return true;
        default:
            return false;
    }
}

LRESULT TMainFormOSK::GetSetting(WPARAM name, LPARAM def) {
    std::string text;
    if (!ReadTextAt(reinterpret_cast<const void*>(name), kMaxSettingName, text)) return 0;
    return cfg->Read(text, static_cast<int>(def));
}

void TMainFormOSK::ApplyTaskbarSetting() { Application().ShowOnTaskbar(cfg->Read(kOnTaskbar, kDefaultOnTaskbar)); }
