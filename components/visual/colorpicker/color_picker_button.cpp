#include "color_picker_button.h"

#include "support/framework/class_builder.h"

PENDREL_IMPLEMENT_CLASS(TColorPickerButton)

namespace {
TColorPaletteOpener& Opener() {
    static TColorPaletteOpener opener = nullptr;
    return opener;
}
}  // namespace

void SetColorPaletteOpener(TColorPaletteOpener opener) { Opener() = opener; }

void TColorPickerButton::DeclareProperties(TClassBuilder<TColorPickerButton>& c) {
    using P = TColorPickerButton;
    c.Property("CustomColorsText", &P::GetCustomColorsText, &P::SetCustomColorsText).Default("Дополнительно...");
    c.Property("Enabled", &P::GetEnabled, &P::SetEnabled).Default(true);
    c.Property("Hint", &P::GetHint, &P::SetHint);
    c.Property("SelectedColor", &P::GetSelectedColor, &P::SetSelectedColor).Type(ColorTypeInfo()).Default(clBlack);
    c.Property("ShowHint", &P::GetShowHint, &P::SetShowHint).Default(false);
    c.Property("ShowSystemColors", &P::GetShowSystemColors, &P::SetShowSystemColors).Default(false);
    c.Property("StandardColorsText", &P::GetStandardColorsText, &P::SetStandardColorsText).Default("Основные...");
    c.Property("TabOrder", &P::GetTabOrder, &P::SetTabOrder).Default(-1);
    c.Property("TabStop", &P::GetTabStop, &P::SetTabStop).Default(true);
    c.Property("Visible", &P::GetVisible, &P::SetVisible).Default(true);
    c.Event("OnChange", &P::OnChange);
}

TColorPickerButton::TColorPickerButton(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 60, 22);
    SetTabStop(true);
}

void TColorPickerButton::SetSelectedColor(TColor value) {
    if (value == selectedColor_) return;
    selectedColor_ = value;
    Invalidate();
    PropertyChanged("SelectedColor");
    OnChange(this);
}

TColorPaletteLayout TColorPickerButton::PaletteLayout() const {
    return TColorPaletteLayout(showSystemColors_, !standardColorsText_.empty(), !customColorsText_.empty());
}

void TColorPickerButton::DropDown() {
    if (Opener() && GetEnabled()) Opener()(*this);
}

void TColorPickerButton::PaletteChosen(const TPaletteHit& hit) {
    switch (hit.Kind) {
        case TPaletteHit::Cell: {
            const TColorPaletteLayout layout = PaletteLayout();
            if (hit.Index >= 0 && hit.Index < static_cast<int>(layout.Colors().size()))
                SetSelectedColor(layout.Colors()[static_cast<size_t>(hit.Index)]);
            break;
        }
        case TPaletteHit::StandardButton: ChooseFromDialog(false); break;
        case TPaletteHit::CustomButton: ChooseFromDialog(true); break;
        default: break;
    }
}
