#include "color_picker_button.h"
#include "support/dialogs/color_dialog.h"

bool TColorPickerButton::ChooseFromDialog(bool fullOpen) {
    // One dialog for every picker, so that the user's mixed colours stay for the next one.
    static TColorDialog dialog(nullptr);
    dialog.SetColor(selectedColor_);
    dialog.SetOptions(fullOpen ? TColorDialogOptions{cdFullOpen, cdAnyColor} : TColorDialogOptions{cdAnyColor});
    if (!dialog.Execute()) return false;
    SetSelectedColor(dialog.GetColor());
    return true;
}
