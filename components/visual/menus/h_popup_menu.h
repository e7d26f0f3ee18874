// A popup menu whose checker sets the state of every item just before the menu or one of
// its submenus opens.
#pragma once
#include "components/visual/menus/check_walk.h"
#include "support/menus/popup_menu.h"

class HCustomPopupMenu : public TPopupMenu {
    PENDREL_CLASS(HCustomPopupMenu, TPopupMenu)
public:
    explicit HCustomPopupMenu(TComponent* owner);

    // Sender (the menu), item.
    TMenuItemCheck OnMenuItemCheck;

protected:
    // Items with sub-items open their submenu through DoPopup.
    void DoChange(TMenuItem* source, bool rebuild) override;
    // Runs the checkers over the whole menu, then OnPopup.
    void DoPopup(TObject* sender) override;
};

class HPopupMenu : public HCustomPopupMenu {
    PENDREL_CLASS(HPopupMenu, HCustomPopupMenu)
public:
    using HCustomPopupMenu::HCustomPopupMenu;
};
