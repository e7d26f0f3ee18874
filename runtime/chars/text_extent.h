// The size a text takes in a font on the screen, for labels that size themselves to their text.
#pragma once
#include <string>

#include "support/framework/graphics.h"
#include "support/framework/std_controls.h"

// Width and height (as X and Y) of text drawn on one line in font.
TPoint MeasureText(const std::string& text, const TFont& font);
// Sizes label to its caption in its font, keeping its position.
void FitLabelToCaption(TLabel& label);
