// Dialog navigation (Tab, Shift+Tab) walks child windows in their stacking order; this puts
// the windows of control's children, and theirs, in the controls' tab order.
#pragma once
#include "support/framework/win_control.h"

void ArrangeWindowsInTabOrder(TWinControl& control);
