#include "toolbar_button97.h"

#include "support/controls/modal_form.h"

PENDREL_IMPLEMENT_CLASS(TToolbarButton97)

void TToolbarButton97::DeclareProperties(TClassBuilder<TToolbarButton97>& c) {
    using B = TToolbarButton97;
    c.Property("AllowAllUp", &B::GetAllowAllUp, &B::SetAllowAllUp).Default(false);
    c.Property("Cancel", &B::GetCancel, &B::SetCancel).Default(false);
    c.Property("Caption", &B::GetCaption, &B::SetCaption);
    c.Property("Color", &B::GetColor, &B::SetColor).Type(ColorTypeInfo()).Stored(&B::IsColorStored);
    c.Property("Default", &B::GetDefault, &B::SetDefault).Default(false);
    c.Property("DisplayMode", &B::GetDisplayMode, &B::SetDisplayMode).Default(dmBoth);
    c.Property("Down", &B::GetDown, &B::SetDown).Default(false);
    c.Property("Enabled", &B::GetEnabled, &B::SetEnabled).Default(true);
    c.Property("Flat", &B::GetFlat, &B::SetFlat).Default(true);
    c.Property("Font", &B::GetFont, &B::SetFont).Stored(&B::IsFontStored);
    c.Property("Glyph", &B::GetGlyph, &B::SetGlyph);
    c.Property("GroupIndex", &B::GetGroupIndex, &B::SetGroupIndex).Default(0);
    c.Property("Hint", &B::GetHint, &B::SetHint);
    c.Property("Layout", &B::GetLayout, &B::SetLayout).Default(blGlyphLeft);
    c.Property("Margin", &B::GetMargin, &B::SetMargin).Default(-1);
    c.Property("ModalResult", &B::GetModalResult, &B::SetModalResult).Default(0);
    c.Property("NoBorder", &B::GetNoBorder, &B::SetNoBorder).Default(false);
    c.Property("ParentColor", &B::GetParentColor, &B::SetParentColor).Default(true);
    c.Property("ParentFont", &B::GetParentFont, &B::SetParentFont).Default(true);
    c.Property("ShowBorderWhenInactive", &B::GetShowBorderWhenInactive, &B::SetShowBorderWhenInactive).Default(false);
    c.Property("ShowHint", &B::GetShowHint, &B::SetShowHint).Default(false);
    c.Property("Spacing", &B::GetSpacing, &B::SetSpacing).Default(4);
    c.Property("Visible", &B::GetVisible, &B::SetVisible).Default(true);
    c.Event("OnClick", &B::OnClick);
}

TToolbarButton97::TToolbarButton97(TComponent* owner) : TCustomToolbarButton97(owner) {}

void TToolbarButton97::Click() {
    TCustomToolbarButton97::Click();
    if (modalResult_ != mrNone) EndModalWith(*this, modalResult_);
}
