// How a TLabel looks: its caption in its font, aligned, on its colour unless transparent.
#pragma once
#include <windows.h>

#include "support/framework/std_controls.h"

// A ControlPainter for TLabel and its descendants.
void PaintLabel(TControl& label, HDC dc);
