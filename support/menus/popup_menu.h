// A menu that opens at a point of the screen, such as a context or tray menu.
#pragma once
#include "support/framework/control.h"
#include "support/menus/menu.h"

class TPopupMenu : public TMenu {
    PENDREL_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* owner);

    // Runs DoPopup, then shows the menu at the screen position and returns once it has closed.
    // Without a window system only DoPopup runs.
    virtual void Popup(int x, int y);
    TPoint PopupPoint() const { return popupPoint_; }

    TEvent<TObject*> OnPopup;

protected:
    // Runs OnPopup; Sender is the menu, or the item whose submenu opens.
    virtual void DoPopup(TObject* sender);

private:
    TPoint popupPoint_;
};
