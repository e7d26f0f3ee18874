// Loading layouts into the keyboard, with a window position remembered per layout.
#include "components/config/cfg_storage.h"
#include "components/persistence/control_io.h"
#include "components/persistence/read_error_question.h"
#include "components/surface/design_panel.h"
#include "components/visual/messages/hi_info.h"
#include "keys/osk_custom_key.h"
#include "keyboard_placement.h"
#include "layout_positions.h"
#include "support/win32/file_exists.h"
#include "main_form_osk.h"
#include "runtime/delivery/target_tracker.h"
#include "runtime/settings/runtime_settings.h"
#include "support/framework/exceptions.h"
#include "support/lib/paths.h"
#include "support/win32/application.h"

void TMainFormOSK::LoadLayout(const std::string& path) {
    const std::string full = MakeStartLocalPath(path);
    if (!FileExists(full)) return;
    if (LayoutLoaded) {
        const std::string last = cfg->Read(kLastUsedForm, std::string(kDefaultLastUsedForm));
        if (!last.empty()) StoreLayoutPosition(last);
    }
    LayoutLoaded = false;
    Busy = true;
    try {
        design->Show();
        cIO->Load(full);
        Busy = false;
        LayoutLoaded = true;
        cfg->Write(kLastUsedForm, full);
    } catch (const std::exception& error) {
        design->Hide();
        HiMessage(Application().Handle(), hiiError, "During load form:\n[%s]\nnext error happen:\n%s", full.c_str(),
                  error.what());
        Busy = false;
    }
    design->SetBounds(0, 0, design->GetWidth(), design->GetHeight());
    PlaceForLayout(full);
    RefreshKeys(nullptr, nullptr);
    // At start-up the first target check waits for the first paint.
    if (startupFinished_) idMainTimer(this);
    if (closeAfterLoad_) PostMessageW(Window(), WM_CLOSE, 0, 0);
}

void TMainFormOSK::StoreLayoutPosition(const std::string& path) {
    if (HConfigItem* forms = cfg->SubKey(kForms)) RememberLayoutPosition(*forms, path, {GetLeft(), GetTop()});
}

namespace {
TRect RectOf(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

MONITORINFO MonitorInfoOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!monitor || !GetMonitorInfoW(monitor, &info)) {
        SetRect(&info.rcMonitor, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        info.rcWork = info.rcMonitor;
    }
    return info;
}
}  // namespace

// Each move of a window is a round trip to the window system, so size and place go together.
void TMainFormOSK::PlaceForLayout(const std::string& path) {
    const int width = design->GetWidth() + GetWidth() - ClientWidth();
    const int height = design->GetHeight() + GetHeight() - ClientHeight();
    HConfigItem* forms = cfg->SubKey(kForms);
    const auto remembered = forms ? RememberedLayoutPosition(*forms, path, {GetLeft(), GetTop()}) : std::nullopt;
    const TPoint place = remembered ? *remembered : DefaultKeyboardPosition(UsersWorkArea(), width, height);
    const TPoint clamped = ClampedPlace(TRect{place.X, place.Y, place.X + width, place.Y + height});
    SetBounds(clamped.X, clamped.Y, width, height);
}

TRect TMainFormOSK::UsersWorkArea() const {
    // The monitor the user works on: the target's, or the foreground window's before there is one.
    HWND user = target_ && target_->TargetWindow != target_->OwnWindow() ? target_->TargetWindow : GetForegroundWindow();
    return RectOf(MonitorInfoOf(MonitorFromWindow(user, MONITOR_DEFAULTTOPRIMARY)).rcWork);
}

void TMainFormOSK::ClampToScreen() {
    const TPoint place = ClampedPlace(TRect{GetLeft(), GetTop(), GetLeft() + GetWidth(), GetTop() + GetHeight()});
    SetBounds(place.X, place.Y, GetWidth(), GetHeight());
}

TPoint TMainFormOSK::ClampedPlace(const TRect& window) const {
    const RECT area{window.Left, window.Top, window.Right, window.Bottom};
    const TRect monitor = RectOf(MonitorInfoOf(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST)).rcMonitor);
    return ClampedKeyboardPosition(monitor, window);
}

void TMainFormOSK::cIOReadError(TReader*, const std::string& error, bool& ignore) {
    if (cfg->Read(kIgnoreLoadErrors, kDefaultIgnoreLoadErrors)) {
        ignore = true;
        return;
    }
    switch (AskAboutReadError(Window(), error)) {
        case TReadErrorAnswer::Ignore:
            ignore = true;
            break;
        case TReadErrorAnswer::IgnoreAll:
            cfg->Write(kIgnoreLoadErrors, true);
            ignore = true;
            break;
        default:
            Abort();
    }
}

void TMainFormOSK::cIOComponentCreate(TObject*, TComponent* component) {
    if (auto* key = dynamic_cast<OSKCustomKey*>(component)) key->SetHostWindow(Window());
}
