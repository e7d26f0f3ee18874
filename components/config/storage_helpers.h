// Keeping a font and a form's placement in a settings key.
#pragma once
#include "components/config/form_windowing.h"
#include "support/framework/graphics.h"
#include "support/lib/config/config_item.h"

// "X", "Y", "W", "H" and "WindowState" (0 normal, 1 minimised, 2 maximised). Nothing without
// a key or a form.
void HSaveFormPos(HConfigItem* key, TControl* form, const HFormWindowing& windowing = SystemFormWindowing());
// A stored minimised or maximised state is taken and the bounds left alone. Otherwise, with
// all four bounds stored, the form gets them, its size limited to the screen (a form that
// cannot be resized keeps its size) and pulled back on screen when it starts beyond it.
void HLoadFormPos(HConfigItem* key, TControl* form, const HFormWindowing& windowing = SystemFormWindowing());

// "Color", "Size", "Name", and "Bold", "Italic", "Underline", "StrikeOut".
void HSaveFont(TFont* font, HConfigItem* key);
// Each value missing keeps the font's own.
void HLoadFont(TFont* font, HConfigItem* key);
