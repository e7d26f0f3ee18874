#include "components/visual/menus/check_walk.h"

#include "components/visual/menus/h_menu_item.h"

namespace {
void CheckSubItems(TMenu& menu, TMenuItem& parent, const TMenuItemCheck& check) {
    int i = 0;
    while (i < parent.Count()) {
        TMenuItem* item = parent.Items(i);
        CheckOneMenuItem(menu, *item, check);
        // A checker may have moved the item or taken it out; then the next one is at i now.
        const int index = parent.IndexOf(item);
        if (index < 0) continue;
        CheckSubItems(menu, *item, check);
        const int after = parent.IndexOf(item);
        i = (after < 0 ? index : after + 1);
    }
}
}  // namespace

void CheckOneMenuItem(TMenu& menu, TMenuItem& item, const TMenuItemCheck& check) {
    const int command = item.Command();
    if (auto* custom = dynamic_cast<HCustomMenuItem*>(&item)) custom->OnCheck(&menu, &item);
    if (FindMenuItemByCommand(command) != &item) return;
    check(&menu, &item);
}

void CheckAllMenuItems(TMenu& menu, const TMenuItemCheck& check) { CheckSubItems(menu, *menu.Items(), check); }

void RouteSubmenuPopups(TMenu& menu, const TEvent<TObject*>::Handler& popup) {
    ForEachMenuItem(menu.Items(), [&popup](TMenuItem* item) {
        if (item->Count() > 0) item->OnClick = popup;
    });
}
