#include "panel_render.h"

HBitmap RenderDesignPanel(HCustomDesignPanel&) {
    throw EInvalidOperation("Drawing a panel needs the Windows build");
}
