#include "support/menus/main_menu.h"

#include <map>

#include "support/framework/exceptions.h"

namespace {
std::map<const TWinControl*, TMainMenu*>& MenusOfWindows() {
    static std::map<const TWinControl*, TMainMenu*> menus;
    return menus;
}
}  // namespace

TMainMenu* MainMenuOf(const TWinControl* form) {
    const auto found = MenusOfWindows().find(form);
    return found == MenusOfWindows().end() ? nullptr : found->second;
}

PENDREL_IMPLEMENT_CLASS(TMainMenu)

void TMainMenu::DeclareProperties(TClassBuilder<TMainMenu>&) {}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() { SetWindow(nullptr); }

void TMainMenu::SetWindow(TWinControl* form) {
    if (form == window_) return;
    if (form && form->Parent()) throw EInvalidOperation("A menu bar belongs to a top-level window");
    if (TMainMenu* previous = MainMenuOf(form); form && previous) previous->SetWindow(nullptr);
    if (window_) {
        MenusOfWindows().erase(window_);
        window_->RemoveFreeNotification(this);
    }
    window_ = form;
    if (window_) {
        MenusOfWindows()[window_] = this;
        window_->FreeNotification(this);
        PeerNeeded();
    }
    if (Peer()) Peer()->WindowChanged();
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == window_) SetWindow(nullptr);
}
