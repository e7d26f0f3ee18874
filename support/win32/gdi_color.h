// Framework colours as GDI colours.
#pragma once
#include <windows.h>

#include "support/framework/graphics.h"

// The RGB value of a colour; system colours come from GetSysColor.
COLORREF ColorRefOf(TColor color);
