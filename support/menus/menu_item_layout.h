// Where an owner-drawn menu item puts its picture, caption and shortcut, and how big it is.
#pragma once
#include <functional>
#include <string>

#include "support/framework/control.h"
#include "support/menus/image_list.h"
#include "support/menus/menu_item.h"

struct TTextExtent {
    int Width = 0;
    int Height = 0;
};
// The size of a single line of text in the menu's font.
using TMenuTextMeasure = std::function<TTextExtent(const std::string&)>;

inline constexpr int kMenuCheckSide = 16;      // room for a check mark when there is no picture
inline constexpr int kMenuImageMargin = 3;     // around the picture or check mark
inline constexpr int kMenuTextMargin = 3;      // above and below the caption, and after the gutter
inline constexpr int kMenuShortCutGap = 24;    // between the caption and the shortcut
inline constexpr int kMenuArrowRoom = 16;      // after the text, where a submenu arrow goes
inline constexpr int kMenuSeparatorHeight = 8;

// The size an item asks for; image is its picture or null.
TTextExtent MeasureMenuItem(const TMenuItem& item, const TBitmapImage* image, const TMenuTextMeasure& measure);

struct TMenuItemLayout {
    TRect Gutter;    // the picture or check mark column
    TRect Image;     // the picture, centred in the gutter; empty without one
    TRect Caption;   // the caption, left-aligned
    TRect ShortCut;  // the shortcut text, right-aligned
};
// Splits the item's rectangle for drawing.
TMenuItemLayout LayOutMenuItem(const TRect& bounds, const TBitmapImage* image);
