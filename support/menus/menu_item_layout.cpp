#include "support/menus/menu_item_layout.h"

#include <algorithm>

#include "support/menus/menu_item_text.h"

namespace {
int GutterWidth(const TBitmapImage* image) {
    const int picture = image ? std::max(image->Width(), kMenuCheckSide) : kMenuCheckSide;
    return picture + 2 * kMenuImageMargin;
}
}  // namespace

TTextExtent MeasureMenuItem(const TMenuItem& item, const TBitmapImage* image, const TMenuTextMeasure& measure) {
    if (item.IsLine()) return {GutterWidth(nullptr), kMenuSeparatorHeight};
    const std::string text = MenuItemText(item);
    const TTextExtent caption = measure(MenuTextCaption(text));
    const std::string shortCutText = MenuTextShortCut(text);
    int width = GutterWidth(image) + kMenuTextMargin + caption.Width + kMenuArrowRoom;
    int textHeight = caption.Height;
    if (!shortCutText.empty()) {
        const TTextExtent shortCut = measure(shortCutText);
        width += kMenuShortCutGap + shortCut.Width;
        textHeight = std::max(textHeight, shortCut.Height);
    }
    const int pictureHeight = image ? image->Height() : kMenuCheckSide;
    const int height = std::max(textHeight + 2 * kMenuTextMargin, pictureHeight + 2 * kMenuImageMargin);
    return {width, height};
}

TMenuItemLayout LayOutMenuItem(const TRect& bounds, const TBitmapImage* image) {
    TMenuItemLayout layout;
    const int gutter = GutterWidth(image);
    layout.Gutter = {bounds.Left, bounds.Top, bounds.Left + gutter, bounds.Bottom};
    if (image) {
        const int left = bounds.Left + (gutter - image->Width()) / 2;
        const int top = bounds.Top + (bounds.Bottom - bounds.Top - image->Height()) / 2;
        layout.Image = {left, top, left + image->Width(), top + image->Height()};
    }
    const int textLeft = layout.Gutter.Right + kMenuTextMargin;
    const int textRight = std::max(textLeft, bounds.Right - kMenuArrowRoom);
    layout.Caption = {textLeft, bounds.Top, textRight, bounds.Bottom};
    layout.ShortCut = layout.Caption;
    return layout;
}
