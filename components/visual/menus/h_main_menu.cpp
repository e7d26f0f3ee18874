#include "components/visual/menus/h_main_menu.h"

PENDREL_IMPLEMENT_CLASS(HCustomMainMenu)

void HCustomMainMenu::DeclareProperties(TClassBuilder<HCustomMainMenu>&) {}

HCustomMainMenu::HCustomMainMenu(TComponent* owner) : TMainMenu(owner) {}

bool HCustomMainMenu::IsShortCut(const TKeyMessage& message) {
    if (OnIsShortCut) {
        bool callDefault = true;
        bool result = false;
        OnIsShortCut(this, message, callDefault, result);
        if (!callDefault) return result;
    }
    TMenuItem* item = FindItemByShortCut(ShortCutOfKey(message));
    if (!item) return TMainMenu::IsShortCut(message);
    // Only this item is checked: its state decides whether the key is a shortcut now.
    const int command = item->Command();
    CheckOneMenuItem(*this, *item, OnMenuItemCheck);
    if (FindMenuItemByCommand(command) != item || !item->GetEnabled()) return false;
    item->Click();
    return true;
}

void HCustomMainMenu::DoChange(TMenuItem* source, bool rebuild) {
    TMainMenu::DoChange(source, rebuild);
    RouteSubmenuPopups(*this, [this](TObject* sender) { DoPopup(sender); });
}

void HCustomMainMenu::DoPopup(TObject* sender) {
    OnPopup(sender);
    if (OnMenuItemCheck) CheckAllMenuItems(*this, OnMenuItemCheck);
}

PENDREL_IMPLEMENT_CLASS(HMainMenu)

void HMainMenu::DeclareProperties(TClassBuilder<HMainMenu>& c) {
    c.Event("OnMenuItemCheck", &HMainMenu::OnMenuItemCheck);
    c.Event("OnPopup", &HMainMenu::OnPopup);
    c.Event("OnIsShortCut", &HMainMenu::OnIsShortCut);
}
