// Property editors open the system's colour and font dialogs, answered here in the user's place.
#include <gtest/gtest.h>

#include "support/design/editor_dialogs.h"
#include "support/design/property_editor_registry.h"
#include "support/dialogs/color_dialog.h"
#include "support/dialogs/font_dialog.h"
#include "support/dialogs/install_editor_dialogs.h"
#include "support/framework/std_controls.h"

namespace {
TEST(EditorDialogs, ColourAndFontEditorsShowTheValueAndTakeTheConfirmedChoice) {
    const TEditorDialogs saved = EditorDialogs();
    InstallEditorDialogs();
    TComponent form(nullptr);
    TLabel* label = new TLabel(&form);
    label->SetColor(clLime);
    TColor shown = clNone;
    TColorDialog::SetAnswer([&](TColorDialog& dialog) {
        shown = dialog.GetColor();
        dialog.SetColor(clNavy);
        return true;
    });
    CreatePropertyEditor({nullptr, {label}, "Color"})->Edit();
    EXPECT_EQ(shown, clLime);
    EXPECT_EQ(label->GetColor(), clNavy);

    std::string shownFont;
    TFontDialog::SetAnswer([&](TFontDialog& dialog) {
        shownFont = dialog.GetFont()->GetName();
        dialog.GetFont()->SetName("Courier New");
        return false;
    });
    label->GetFont()->SetName("Tahoma");
    CreatePropertyEditor({nullptr, {label}, "Font"})->Edit();
    EXPECT_EQ(shownFont, "Tahoma");
    EXPECT_EQ(label->GetFont()->GetName(), "Tahoma") << "a cancelled dialog changes nothing";
    TColorDialog::SetAnswer(nullptr);
    TFontDialog::SetAnswer(nullptr);
    EditorDialogs() = saved;
}
}  // namespace
