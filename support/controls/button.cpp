#include "button.h"

#include "modal_form.h"

PENDREL_IMPLEMENT_CLASS(TButton)

void TButton::DeclareProperties(TClassBuilder<TButton>& c) {
    c.Property("Cancel", &TButton::GetCancel, &TButton::SetCancel).Default(false);
    c.Property("Caption", &TButton::GetCaption, &TButton::SetCaption);
    c.Property("Default", &TButton::GetDefault, &TButton::SetDefault).Default(false);
    c.Property("Enabled", &TButton::GetEnabled, &TButton::SetEnabled).Default(true);
    c.Property("Font", &TButton::GetFont, &TButton::SetFont).Stored(&TButton::IsFontStored);
    c.Property("ModalResult", &TButton::GetModalResult, &TButton::SetModalResult).Default(0);
    c.Property("ParentFont", &TButton::GetParentFont, &TButton::SetParentFont).Default(true);
    c.Property("TabOrder", &TButton::GetTabOrder, &TButton::SetTabOrder).Default(-1);
    c.Property("TabStop", &TButton::GetTabStop, &TButton::SetTabStop).Default(true);
    c.Property("Visible", &TButton::GetVisible, &TButton::SetVisible).Default(true);
    c.Event("OnClick", &TButton::OnClick);
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::SetDefault(bool value) {
    if (value == default_) return;
    default_ = value;
    Invalidate();
}

void TButton::Click() {
    OnClick(this);
    if (modalResult_ != mrNone) EndModalWith(*this, modalResult_);
}
