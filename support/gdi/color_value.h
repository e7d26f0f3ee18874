// The RGB value 0x00BBGGRR of a colour, system colours included.
#pragma once
#include <cstdint>

#include "support/framework/graphics.h"

// System colours come from the system on Windows and from the standard desktop scheme elsewhere.
uint32_t ColorValue(TColor color);
