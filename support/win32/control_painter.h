// Controls without a window of their own are drawn by their parent window, each class by
// its painter. Code that adds such a control class registers a painter for it.
#pragma once
#include <windows.h>

#include <functional>

#include "support/framework/win_control.h"

// Draws the control on dc, whose origin is the control's top-left corner and whose
// clipping region lies within the control's bounds.
using ControlPainter = std::function<void(TControl& control, HDC dc)>;

// Controls of cls and of its descendants without a painter of their own are drawn by painter.
void RegisterControlPainter(const TMetaClass& cls, ControlPainter painter);
// The painter of the control's class or of its nearest ancestor that has one; null when none has.
const ControlPainter* FindControlPainter(const TControl& control);
// Draws the visible child controls of parent that have no window and touch area (client
// coordinates of parent), in child order, so that later ones lie on top.
void PaintChildControls(const TWinControl& parent, HDC dc, const RECT& area);
// Paints the overlay of the container's design interceptor, when it has one, over what dc holds.
void PaintDesignOverlay(TWinControl& container, HDC dc);
