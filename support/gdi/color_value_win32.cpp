#include <windows.h>

#include "color_value.h"

namespace {
uint32_t SystemColorValue(int index) { return GetSysColor(index); }
}  // namespace

uint32_t ColorValue(TColor color) { return ColorToRGB(color, &SystemColorValue); }
