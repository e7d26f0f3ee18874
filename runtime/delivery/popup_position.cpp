#include "runtime/delivery/popup_position.h"

TPoint PopupByKeyPoint(const TRect& keyBounds, int panelHeight, int menuBarHeight, int itemCount) {
    const bool opensAbove = 2 * keyBounds.Top > panelHeight;
    const int top = opensAbove ? keyBounds.Top - menuBarHeight * itemCount - 1 : keyBounds.Bottom + 1;
    return TPoint{keyBounds.Left, top};
}
