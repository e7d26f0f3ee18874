#include "font_dialog.h"

#include <windows.h>

#include "support/win32/common_dialogs.h"

#include "support/framework/class_builder.h"
#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"

PENDREL_IMPLEMENT_CLASS(TFontDialog)

namespace {
TFontDialog::TAnswer& Answer() {
    static TFontDialog::TAnswer answer;
    return answer;
}

TFontPitch PitchOfLogFont(BYTE pitchAndFamily) {
    switch (pitchAndFamily & 3) {
        case FIXED_PITCH: return fpFixed;
        case VARIABLE_PITCH: return fpVariable;
        default: return fpDefault;
    }
}

void TakeLogFont(const LOGFONTW& description, TFont& font) {
    font.SetName(WideToUtf8(description.lfFaceName));
    font.SetHeight(description.lfHeight);
    font.SetCharset(description.lfCharSet);
    font.SetPitch(PitchOfLogFont(description.lfPitchAndFamily));
    TFontStyles style;
    if (description.lfWeight >= FW_BOLD) style.Include(fsBold);
    if (description.lfItalic) style.Include(fsItalic);
    if (description.lfUnderline) style.Include(fsUnderline);
    if (description.lfStrikeOut) style.Include(fsStrikeOut);
    font.SetStyle(style);
}
}  // namespace

void TFontDialog::DeclareProperties(TClassBuilder<TFontDialog>& c) {
    c.Property("Font", &TFontDialog::GetFont, &TFontDialog::SetFont);
    c.Property("Options", &TFontDialog::GetOptions, &TFontDialog::SetOptions).Default(TFontDialogOptions{fdEffects});
}

TFontDialog::TFontDialog(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {}

void TFontDialog::SetAnswer(TAnswer answer) { Answer() = std::move(answer); }

bool TFontDialog::Execute() {
    if (!Answer()) return ExecuteSystemDialog();
    TFont before;
    before.Assign(font_.get());
    if (Answer()(*this)) return true;
    font_->Assign(&before);
    return false;
}

bool TFontDialog::ExecuteSystemDialog() {
    LOGFONTW description = DescribeFont(*font_);
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = GetActiveWindow();
    choose.lpLogFont = &description;
    choose.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS;
    if (options_.Contains(fdEffects)) choose.Flags |= CF_EFFECTS;
    if (options_.Contains(fdFixedPitchOnly)) choose.Flags |= CF_FIXEDPITCHONLY;
    if (options_.Contains(fdNoVectorFonts)) choose.Flags |= CF_NOVECTORFONTS;
    if (options_.Contains(fdForceFontExist)) choose.Flags |= CF_FORCEFONTEXIST;
    choose.rgbColors = ColorRefOf(font_->GetColor());
    if (!ShowFontDialog(&choose)) return false;
    TakeLogFont(description, *font_);
    if (options_.Contains(fdEffects)) font_->SetColor(static_cast<TColor>(choose.rgbColors & 0xFFFFFF));
    return true;
}
