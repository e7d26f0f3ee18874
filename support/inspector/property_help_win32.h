// The painter of the description pane, a control without a window of its own.
#pragma once
#include <windows.h>

#include "property_help.h"

void PaintPropertyHelp(TControl& help, HDC dc);
