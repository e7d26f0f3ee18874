#include "support/menus/menu_item_text.h"

std::string MenuItemText(const TMenuItem& item) {
    const std::string shortCut = ShortCutToText(item.GetShortCut());
    return shortCut.empty() ? item.GetCaption() : item.GetCaption() + '\t' + shortCut;
}

std::string MenuTextCaption(const std::string& text) { return text.substr(0, text.find('\t')); }

std::string MenuTextShortCut(const std::string& text) {
    const size_t tab = text.find('\t');
    return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}
