#include "color_dialog.h"

#include <windows.h>

#include "support/win32/common_dialogs.h"

#include "support/framework/class_builder.h"
#include "support/framework/exceptions.h"
#include "support/win32/gdi_color.h"

PENDREL_IMPLEMENT_CLASS(TColorDialog)

namespace {
TColorDialog::TAnswer& Answer() {
    static TColorDialog::TAnswer answer;
    return answer;
}

TColor ColorOfRef(COLORREF rgb) { return static_cast<TColor>(rgb & 0xFFFFFF); }
}  // namespace

void TColorDialog::DeclareProperties(TClassBuilder<TColorDialog>& c) {
    c.Property("Color", &TColorDialog::GetColor, &TColorDialog::SetColor).Type(ColorTypeInfo()).Default(clBlack);
    c.Property("Options", &TColorDialog::GetOptions, &TColorDialog::SetOptions).Default(TColorDialogOptions{});
}

TColorDialog::TColorDialog(TComponent* owner) : TComponent(owner) { customColors_.fill(clWhite); }

void TColorDialog::SetCustomColor(int index, TColor color) {
    if (index < 0 || index >= kCustomColorCount) throw EListError("Custom colour index out of bounds");
    customColors_[static_cast<size_t>(index)] = color;
}

void TColorDialog::SetAnswer(TAnswer answer) { Answer() = std::move(answer); }

bool TColorDialog::Execute() {
    if (Answer()) {
        const TColor before = color_;
        if (Answer()(*this)) return true;
        color_ = before;
        return false;
    }
    return ExecuteSystemDialog();
}

bool TColorDialog::ExecuteSystemDialog() {
    COLORREF custom[kCustomColorCount];
    for (int i = 0; i < kCustomColorCount; ++i) custom[i] = ColorRefOf(customColors_[static_cast<size_t>(i)]);
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = GetActiveWindow();
    choose.rgbResult = ColorRefOf(color_);
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT;
    if (options_.Contains(cdFullOpen)) choose.Flags |= CC_FULLOPEN;
    if (options_.Contains(cdPreventFullOpen)) choose.Flags |= CC_PREVENTFULLOPEN;
    if (options_.Contains(cdSolidColor)) choose.Flags |= CC_SOLIDCOLOR;
    if (options_.Contains(cdAnyColor)) choose.Flags |= CC_ANYCOLOR;
    const bool chosen = ShowColorDialog(&choose);
    // The mixed colours stay, whether or not the user confirmed a choice.
    for (int i = 0; i < kCustomColorCount; ++i) customColors_[static_cast<size_t>(i)] = ColorOfRef(custom[i]);
    if (chosen) color_ = ColorOfRef(choose.rgbResult);
    return chosen;
}
