#include "support/menus/popup_menu.h"

PENDREL_IMPLEMENT_CLASS(TPopupMenu)

void TPopupMenu::DeclareProperties(TClassBuilder<TPopupMenu>& c) { c.Event("OnPopup", &TPopupMenu::OnPopup); }

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y) {
    popupPoint_ = {x, y};
    DoPopup(this);
    PeerNeeded();
    if (Peer()) Peer()->Popup(x, y);
}

void TPopupMenu::DoPopup(TObject* sender) { OnPopup(sender); }
