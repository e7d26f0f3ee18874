// The standard dialogs that property editors open. The program installs the real ones; a
// build without them, and tests, answer through the same functions.
#pragma once
#include <functional>

#include "support/framework/graphics.h"

struct TEditorDialogs {
    // Each shows the value, lets the user change it and returns false on Cancel.
    std::function<bool(TColor& color)> ChooseColor;
    std::function<bool(TFont& font)> ChooseFont;
};

// The dialogs in use; an empty function means the dialog is not available and the editor
// changes nothing.
TEditorDialogs& EditorDialogs();
