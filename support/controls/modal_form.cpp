#include "modal_form.h"

#include <windows.h>

#include "button.h"
#include "dialog_button.h"
#include "support/framework/exceptions.h"
#include "support/win32/input_events.h"
#include "support/win32/message_loop.h"
#include "support/win32/pending_exception.h"
#include "support/win32/window_peer.h"
#include "tab_order.h"

PENDREL_IMPLEMENT_CLASS(TModalForm)

namespace {
// Leaves the screen as it was before the form came up, however the loop ends.
class TModalScope {
public:
    TModalScope(TModalForm& form, HWND owner, bool& modal)
        : form_(form), owner_(owner), ownerWasEnabled_(owner && IsWindowEnabled(owner)), modal_(modal) {
        modal_ = true;
        if (owner_) EnableWindow(owner_, FALSE);
    }
    ~TModalScope() {
        // The owner is enabled before the form hides, so that it gets the activation back.
        if (owner_ && ownerWasEnabled_) EnableWindow(owner_, TRUE);
        form_.Hide();
        modal_ = false;
    }
    TModalScope(const TModalScope&) = delete;
    TModalScope& operator=(const TModalScope&) = delete;

private:
    TModalForm& form_;
    HWND owner_;
    bool ownerWasEnabled_;
    bool& modal_;
};

TDialogButton* FindButtonIn(const TWinControl& parent, bool wantDefault) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* child = parent.Controls(i);
        auto* button = dynamic_cast<TDialogButton*>(child);
        if (button && child->GetVisible() && child->GetEnabled() &&
            (wantDefault ? button->IsDefaultButton() : button->IsCancelButton()))
            return button;
        if (auto* container = dynamic_cast<TWinControl*>(child); container && container->GetVisible())
            if (TDialogButton* found = FindButtonIn(*container, wantDefault)) return found;
    }
    return nullptr;
}

// The TButton that has the keyboard focus, if any.
TButton* FocusedButton() {
    auto* peer = TWin32WindowPeer::FromHandle(GetFocus());
    return peer ? dynamic_cast<TButton*>(&peer->Control()) : nullptr;
}
}  // namespace

void TModalForm::DeclareProperties(TClassBuilder<TModalForm>& c) {
    c.Property("KeyPreview", &TModalForm::GetKeyPreview, &TModalForm::SetKeyPreview).Default(false);
    c.Event("OnKeyDown", &TModalForm::OnKeyDown);
}

TModalForm::TModalForm(TComponent* owner) : TForm(owner) { SetAutoScroll(false); }

int TModalForm::ShowModal() {
    if (modal_) throw EInvalidOperation("The form is shown modally already");
    if (GetVisible()) throw EInvalidOperation("A visible form cannot be shown modally");
    // The client size was set against the frame of an ordinary window; the dialog frame differs.
    const int clientWidth = ClientWidth(), clientHeight = ClientHeight();
    HandleNeeded();
    SetClientWidth(clientWidth);
    SetClientHeight(clientHeight);
    CenterOnScreen();
    ArrangeWindowsInTabOrder(*this);
    modalResult_ = mrNone;
    TModalScope scope(*this, static_cast<HWND>(OwnerWindow()), modal_);
    Show();
    const HWND wnd = static_cast<HWND>(Handle());
    SetForegroundWindow(wnd);
    if (HWND first = GetNextDlgTabItem(wnd, nullptr, FALSE)) ::SetFocus(first);
    RunModalLoop();
    return modalResult_;
}

void TModalForm::RunModalLoop() {
    const HWND wnd = static_cast<HWND>(Handle());
    while (modalResult_ == mrNone) {
        MSG message;
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            modalResult_ = mrCancel;
            break;
        }
        if (!RunMessageFilters(message) && !PreviewKey(message) && !IsDialogMessageW(wnd, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        RaisePendingWindowException();
    }
}

bool TModalForm::PreviewKey(MSG& msg) {
    const HWND wnd = static_cast<HWND>(Handle());
    if (!keyPreview_ || msg.message != WM_KEYDOWN || (msg.hwnd != wnd && !IsChild(wnd, msg.hwnd))) return false;
    auto key = static_cast<uint16_t>(msg.wParam);
    OnKeyDown(this, key, CurrentShiftState());
    msg.wParam = key;
    return key == 0;
}

void TModalForm::PressDefaultButton() {
    if (TButton* focused = FocusedButton(); focused && ParentFormOf(*focused) == this) {
        focused->Click();
        return;
    }
    if (TDialogButton* button = FindDialogButton(true)) button->Press();
}

void TModalForm::PressCancelButton() {
    if (TDialogButton* button = FindDialogButton(false))
        button->Press();
    else
        SetModalResult(mrCancel);
}

TDialogButton* TModalForm::FindDialogButton(bool wantDefault) const { return FindButtonIn(*this, wantDefault); }

void* TModalForm::OwnerWindow() const {
    auto* owner = dynamic_cast<TWinControl*>(Owner());
    return owner && owner->HandleAllocated() ? owner->Handle() : nullptr;
}

void TModalForm::CenterOnScreen() {
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetBounds(work.left + (work.right - work.left - GetWidth()) / 2, work.top + (work.bottom - work.top - GetHeight()) / 2,
              GetWidth(), GetHeight());
}

TForm* ParentFormOf(TControl& control) {
    TControl* top = &control;
    while (top->Parent()) top = top->Parent();
    return dynamic_cast<TForm*>(top);
}

void EndModalWith(TControl& control, int result) {
    if (auto* form = dynamic_cast<TModalForm*>(ParentFormOf(control)); form && form->IsModal())
        form->SetModalResult(result);
}
