// The item checkers of a menu: handlers that set each item's state just before it shows.
#pragma once
#include "support/menus/menu.h"

// Sender (the menu), item.
using TMenuItemCheck = TEvent<TObject*, TMenuItem*>;

// Checks one item: its own OnCheck (for HCustomMenuItem items), then check.
void CheckOneMenuItem(TMenu& menu, TMenuItem& item, const TMenuItemCheck& check);
// Checks every item of the menu, depth first, parents before their sub-items. The item
// count is read again before each step, so checkers may add and remove items.
void CheckAllMenuItems(TMenu& menu, const TMenuItemCheck& check);
// Makes every item with sub-items, at any depth, run popup when its submenu opens.
void RouteSubmenuPopups(TMenu& menu, const TEvent<TObject*>::Handler& popup);
