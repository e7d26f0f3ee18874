#include "gdi_color.h"

namespace {
uint32_t SystemColorRGB(int index) { return GetSysColor(index); }
}  // namespace

COLORREF ColorRefOf(TColor color) { return ColorToRGB(color, &SystemColorRGB); }
