#include "color_picker_button.h"

// Without a window system there is no colour dialog to ask.
bool TColorPickerButton::ChooseFromDialog(bool) { return false; }
