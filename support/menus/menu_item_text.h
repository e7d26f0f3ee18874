// What a menu shows of an item: its caption and, after a tab, the text of its shortcut.
#pragma once
#include <string>

#include "support/menus/menu_item.h"

// "Caption\tCtrl+S"; the caption alone when the item has no shortcut or the shortcut no text.
std::string MenuItemText(const TMenuItem& item);
// The caption part and the shortcut part of such a text.
std::string MenuTextCaption(const std::string& text);
std::string MenuTextShortCut(const std::string& text);
