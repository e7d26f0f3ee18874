#include "install_editor_dialogs.h"

#include "color_dialog.h"
#include "font_dialog.h"
#include "support/design/editor_dialogs.h"

void InstallEditorDialogs() {
    EditorDialogs().ChooseColor = [](TColor& color) {
        static TColorDialog dialog(nullptr);
        dialog.SetColor(color);
        if (!dialog.Execute()) return false;
        color = dialog.GetColor();
        return true;
    };
    EditorDialogs().ChooseFont = [](TFont& font) {
        TFontDialog dialog(nullptr);
        dialog.SetFont(&font);
        if (!dialog.Execute()) return false;
        font.Assign(dialog.GetFont());
        return true;
    };
}
