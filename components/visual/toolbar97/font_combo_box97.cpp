#include "font_combo_box97.h"

PENDREL_IMPLEMENT_CLASS(TFontComboBox97)

void TFontComboBox97::DeclareProperties(TClassBuilder<TFontComboBox97>& c) {
    using B = TFontComboBox97;
    c.Property("Enabled", &B::GetEnabled, &B::SetEnabled).Default(true);
    c.Property("Font", &B::GetFont, &B::SetFont).Stored(&B::IsFontStored);
    c.Property("ParentFont", &B::GetParentFont, &B::SetParentFont).Default(true);
    c.Property("TabOrder", &B::GetTabOrder, &B::SetTabOrder).Default(-1);
    c.Property("TabStop", &B::GetTabStop, &B::SetTabStop).Default(true);
    c.Property("Text", &B::GetText, &B::SetText);
    c.Property("Visible", &B::GetVisible, &B::SetVisible).Default(true);
    c.Event("OnChange", &B::OnChange);
}

TFontComboBox97::TFontComboBox97(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
}

void TFontComboBox97::TextEditedInWindow(const std::string& text) {
    if (text == GetText()) return;
    TControl::SetTextSilently(text);
    OnChange(this);
}

void TFontComboBox97::TextChanged() {
    TWinControl::TextChanged();
    OnChange(this);
}
