#include "box_draw_win32.h"

void TC_Box(HAPICanvas& canvas, const TRect& area, TColor color, HBOX_Types type) {
    for (const HBoxStrip& strip : BoxStrips(area, color, type)) canvas.FillRect(strip.Area, strip.Color);
}
