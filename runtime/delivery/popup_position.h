// Where a menu opened from a key appears: above keys in the lower half of the keyboard, below
// the others, so that it covers as little of the keyboard as it can.
#pragma once
#include "support/framework/control.h"

// In the client coordinates of the panel that holds the key.
TPoint PopupByKeyPoint(const TRect& keyBounds, int panelHeight, int menuBarHeight, int itemCount);
