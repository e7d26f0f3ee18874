#include "check_box.h"

PENDREL_IMPLEMENT_CLASS(TCheckBox)

void TCheckBox::DeclareProperties(TClassBuilder<TCheckBox>& c) {
    c.Property("Caption", &TCheckBox::GetCaption, &TCheckBox::SetCaption);
    c.Property("Checked", &TCheckBox::GetChecked, &TCheckBox::SetChecked).Default(false);
    c.Property("Color", &TCheckBox::GetColor, &TCheckBox::SetColor).Type(ColorTypeInfo()).Stored(&TCheckBox::IsColorStored);
    c.Property("Enabled", &TCheckBox::GetEnabled, &TCheckBox::SetEnabled).Default(true);
    c.Property("Font", &TCheckBox::GetFont, &TCheckBox::SetFont).Stored(&TCheckBox::IsFontStored);
    c.Property("ParentColor", &TCheckBox::GetParentColor, &TCheckBox::SetParentColor).Default(true);
    c.Property("ParentFont", &TCheckBox::GetParentFont, &TCheckBox::SetParentFont).Default(true);
    c.Property("TabOrder", &TCheckBox::GetTabOrder, &TCheckBox::SetTabOrder).Default(-1);
    c.Property("TabStop", &TCheckBox::GetTabStop, &TCheckBox::SetTabStop).Default(true);
    c.Property("Visible", &TCheckBox::GetVisible, &TCheckBox::SetVisible).Default(true);
    c.Event("OnClick", &TCheckBox::OnClick);
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
    SetParentColor(true);
}

void TCheckBox::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    Invalidate();
    OnClick(this);
}

void TCheckBox::CheckedInWindow(bool value) {
    if (value == checked_) return;
    checked_ = value;
    OnClick(this);
}
