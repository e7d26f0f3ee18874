// A form's menu bar whose checker sets the state of every item just before a submenu opens,
// and of one item just before its shortcut fires.
#pragma once
#include "components/visual/menus/check_walk.h"
#include "support/menus/main_menu.h"

class HCustomMainMenu : public TMainMenu {
    PENDREL_CLASS(HCustomMainMenu, TMainMenu)
public:
    explicit HCustomMainMenu(TComponent* owner);

    // Runs first; with CallDefault set to false its Result is the answer.
    bool IsShortCut(const TKeyMessage& message) override;

    // Sender (the menu), item.
    TMenuItemCheck OnMenuItemCheck;
    // Sender: the item whose submenu opens.
    TEvent<TObject*> OnPopup;
    // Sender, key message, CallDefault (preset to true), Result.
    TEvent<TObject*, const TKeyMessage&, bool&, bool&> OnIsShortCut;

protected:
    // Items with sub-items open their submenu through DoPopup.
    void DoChange(TMenuItem* source, bool rebuild) override;
    // Runs OnPopup, then the checkers over the whole menu.
    virtual void DoPopup(TObject* sender);
};

class HMainMenu : public HCustomMainMenu {
    PENDREL_CLASS(HMainMenu, HCustomMainMenu)
public:
    using HCustomMainMenu::HCustomMainMenu;
};
