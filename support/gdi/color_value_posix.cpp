#include "color_value.h"

namespace {
// The default desktop scheme of current Windows versions.
uint32_t SystemColorValue(int index) {
    switch (index) {
        case 5: return 0xFFFFFF;   // window
        case 8: return 0x000000;   // window text
        case 13: return 0xD77800;  // highlight
        case 14: return 0xFFFFFF;  // highlight text
        case 15: return 0xF0F0F0;  // button face
        case 16: return 0xA0A0A0;  // button shadow
        case 18: return 0x000000;  // button text
        case 20: return 0xFFFFFF;  // button highlight
        case 23: return 0x000000;  // tooltip text
        case 24: return 0xE1FFFF;  // tooltip background
        default: return 0xC0C0C0;
    }
}
}  // namespace

uint32_t ColorValue(TColor color) { return ColorToRGB(color, &SystemColorValue); }
