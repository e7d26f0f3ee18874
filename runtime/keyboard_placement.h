// Where the keyboard window goes on the screen: its first place, and the pull back from the
// right and bottom edges of its monitor.
#pragma once
#include "support/framework/control.h"

// A keyboard with no remembered position appears where on-screen keyboards go: horizontally
// centred at the bottom of the work area, wholly on it. One that does not fit keeps its
// left or top edge on the work area.
TPoint DefaultKeyboardPosition(const TRect& workArea, int width, int height);

// A window reaching past the right or bottom edge of its monitor moves back so that 10
// pixels stay free there; the left and top edges are not clamped.
TPoint ClampedKeyboardPosition(const TRect& monitor, const TRect& window);
