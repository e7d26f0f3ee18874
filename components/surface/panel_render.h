// A picture of a design panel as it appears on the screen.
#pragma once
#include "design_panel.h"

// The panel at its full size: frame, grid or background, and its child controls. Makes
// the panel's window (and installs the window system) when needed; on systems without
// windows it raises EInvalidOperation.
HBitmap RenderDesignPanel(HCustomDesignPanel& panel);
