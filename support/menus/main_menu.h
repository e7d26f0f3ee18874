// The menu bar of a form.
#pragma once
#include "support/framework/win_control.h"
#include "support/menus/menu.h"

class TMainMenu : public TMenu {
    PENDREL_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    // The form whose window shows the bar; null for none. The form's window sends the menu its
    // commands and asks it about its shortcuts.
    TWinControl* GetWindow() const { return window_; }
    void SetWindow(TWinControl* form);

    void Notification(TComponent* component, TOperation operation) override;

private:
    TWinControl* window_ = nullptr;
};

// The main menu shown in form's window; null when none is.
TMainMenu* MainMenuOf(const TWinControl* form);
