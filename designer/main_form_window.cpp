// The designer's window: its class, the messages keys and other programs send it, the key
// hook ahead of the menus, its state and bounds, and closing.
#include <windows.h>

#include "components/config/cfg_storage.h"
#include "components/config/storage_link.h"
#include "components/visual/colorpicker/color_picker_windowing_win32.h"
#include "components/visual/dock97/dock97_install_win32.h"
#include "components/visual/logcombo/h_log_combo_box_peer_win32.h"
#include "components/visual/toolbar/toolbar_button_win32.h"
#include "components/visual/toolwindow/h_window_peer_win32.h"
#include "designer/designer_settings.h"
#include "keys/osk_messages.h"
#include "main_form.h"
#include "support/controls/standard_controls.h"
#include "support/controls/tab_control.h"
#include "support/dialogs/install_editor_dialogs.h"
#include "support/inspector/inspector_win32.h"
#include "support/menus/menu_system_win32.h"
#include "support/win32/application.h"
#include "support/win32/input_events.h"
#include "support/win32/message_loop.h"
#include "support/win32/readable_memory.h"
#include "support/win32/scrolling_peer.h"
#include "support/win32/timer.h"
#include "support/win32/window_system.h"

namespace {
constexpr size_t kMaxSettingName = 50;

class TMainFormPeer : public TScrollingPeer {
public:
    using TScrollingPeer::TScrollingPeer;

protected:
    void CreateParams(TCreateParams& params) override {
        TScrollingPeer::CreateParams(params);
        params.ClassName = ClassName();
        params.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
        params.ExStyle = WS_EX_APPWINDOW;
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = 0;
        if (Form().HandleMessage(message, wParam, lParam, result)) return result;
        return TScrollingPeer::WndProc(message, wParam, lParam);
    }

private:
    static const wchar_t* ClassName() {
        static const wchar_t* const name = RegisterContainerClass(kDesignerFormClass);
        return name;
    }
    TMainForm& Form() const { return static_cast<TMainForm&>(Control()); }
};

// Key-downs for the main window and its controls reach FormShortCut before the menus.
bool ShortCutFilter(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    TMainForm* form = MainForm();
    if (!form || !form->HandleAllocated() || GetAncestor(message.hwnd, GA_ROOT) != form->Window()) return false;
    return form->FormShortCut(static_cast<WORD>(message.wParam), CurrentShiftState());
}
}  // namespace

void RegisterMainFormWindow() {
    InstallWin32WindowSystem();
    AddMessageFilter(&ShortCutFilter);
    InstallWin32MenuSystem();
    InstallToolbarButtonWindowing();
    InstallStandardControls();
    InstallInspectorControls();
    InstallDock97Windowing();
    InstallToolWindowWindowing();
    InstallLogComboBoxWindowing();
    InstallEditorDialogs();
    InstallColorPickerWindowing();
    RegisterWindowPeerMaker(TMainForm::StaticClass(), &MakeWindowPeer<TMainFormPeer>);
}

HWND TMainForm::Window() { return static_cast<HWND>(Handle()); }

bool TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_OSK_GETSETTING: {
            std::string name;
            if (wParam && link_ && ReadTextAt(reinterpret_cast<const void*>(wParam), kMaxSettingName, name))
                result = link_->Read(name, static_cast<int>(lParam));
            return true;
        }
        case kDiscardedMessage:
            return true;
        case WM_CLOSE:
            if (FormCloseQuery()) {
                FormClose();
                Application().Terminate();
            }
            return true;
        case WM_ENDSESSION:
            if (wParam) FormClose();
            return true;
        default:
            return false;
    }
}

bool TMainForm::FormShortCut(WORD key, TShiftState shift) {
    keyTimer->SetEnabled(false);
    if (IsDesignMode()) return DesignShortCut(key, shift);
    RefreshKeyLabels();
    keyTimer->SetEnabled(true);
    return false;
}

void TMainForm::Exit1Click(TObject*) {
    SetDesignMode(false);
    PostMessageW(Window(), WM_CLOSE, 0, 0);
}

bool TMainForm::FormCloseQuery() {
    for (int i = 0; i < FormCount(); ++i)
        if (Form(i)->Modified && !AskSaveForm(Form(i))) return false;
    return true;
}

void TMainForm::FormClose() {
    if (closed_) return;
    closed_ = true;
    SetDesignMode(false);
    if (link_ && link_->Read(kAutosave, kDefaultAutosave)) mnuSaveCfgClick(nullptr);
    link_.reset();
}

// Tab hints: the form's info text at once over its tab.
void TMainForm::pgFormsMouseMove(TObject*, TShiftState, int x, int y) {
    const int tab = pgForms->IndexOfTabAt(x, y);
    const HWND tabs = static_cast<HWND>(pgForms->Handle());
    if (tab >= 0 && tab < FormCount()) {
        if (tab == hintTab_) return;
        hintTab_ = tab;
        pgForms->SetHint(FormInfoText(Form(tab)));
        pgForms->SetShowHint(true);
        SetCapture(tabs);
        POINT cursor;
        GetCursorPos(&cursor);
        pgForms->ActivateHint({cursor.x, cursor.y});
    } else if (hintTab_ >= 0) {
        hintTab_ = -1;
        pgForms->SetShowHint(false);
        if (GetCapture() == tabs) ReleaseCapture();
        pgForms->CancelHint();
        pgForms->SetHint("");
    }
}

int TMainForm::CurrentWindowState() {
    if (!HandleAllocated() || !GetVisible()) return windowState_;
    if (IsZoomed(Window())) return 2;
    return IsIconic(Window()) ? 1 : 0;
}

void TMainForm::ApplyWindowState() {
    if (!HandleAllocated() || !GetVisible()) return;
    ShowWindow(Window(), windowState_ == 2 ? SW_MAXIMIZE : windowState_ == 1 ? SW_MINIMIZE : SW_RESTORE);
}

void TMainForm::ShowMainWindow() {
    Show();
    ApplyWindowState();
}

TRect TMainForm::NormalBounds() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!HandleAllocated() || !GetWindowPlacement(Window(), &placement))
        return {GetLeft(), GetTop(), GetLeft() + GetWidth(), GetTop() + GetHeight()};
    const RECT& r = placement.rcNormalPosition;
    return {r.left, r.top, r.right, r.bottom};
}
