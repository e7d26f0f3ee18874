// Drawing frame styles on a canvas.
#pragma once
#include "api_canvas_win32.h"
#include "box_types.h"

// Draws the frame of type inside area, from the outside in; color serves HBOX_Solid and HBOX_Border.
void TC_Box(HAPICanvas& canvas, const TRect& area, TColor color, HBOX_Types type);
