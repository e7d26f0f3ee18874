#include "components/visual/menus/h_popup_menu.h"

PENDREL_IMPLEMENT_CLASS(HCustomPopupMenu)

void HCustomPopupMenu::DeclareProperties(TClassBuilder<HCustomPopupMenu>&) {}

HCustomPopupMenu::HCustomPopupMenu(TComponent* owner) : TPopupMenu(owner) {}

void HCustomPopupMenu::DoChange(TMenuItem* source, bool rebuild) {
    TPopupMenu::DoChange(source, rebuild);
    RouteSubmenuPopups(*this, [this](TObject* sender) { DoPopup(sender); });
}

void HCustomPopupMenu::DoPopup(TObject* sender) {
    if (OnMenuItemCheck) CheckAllMenuItems(*this, OnMenuItemCheck);
    TPopupMenu::DoPopup(sender);
}

PENDREL_IMPLEMENT_CLASS(HPopupMenu)

void HPopupMenu::DeclareProperties(TClassBuilder<HPopupMenu>& c) {
    c.Event("OnMenuItemCheck", &HPopupMenu::OnMenuItemCheck);
}
