#include "bevel.h"

#include <algorithm>

PENDREL_IMPLEMENT_CLASS(TBevel)

void TBevel::DeclareProperties(TClassBuilder<TBevel>& c) {
    c.Property("Align", &TBevel::GetAlign, &TBevel::SetAlign).Default(alNone);
    c.Property("Shape", &TBevel::GetShape, &TBevel::SetShape).Default(bsBox);
    c.Property("Style", &TBevel::GetStyle, &TBevel::SetStyle).Default(bsLowered);
    c.Property("Visible", &TBevel::GetVisible, &TBevel::SetVisible).Default(true);
}

TBevel::TBevel(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 50, 50);
    SetParentColor(true);
}

void TBevel::SetShape(TBevelShape value) {
    if (value == shape_) return;
    shape_ = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
    if (value == style_) return;
    style_ = value;
    Invalidate();
}

PENDREL_IMPLEMENT_CLASS(TPanel)

void TPanel::DeclareProperties(TClassBuilder<TPanel>& c) {
    c.Property("Align", &TPanel::GetAlign, &TPanel::SetAlign).Default(alNone);
    c.Property("BevelInner", &TPanel::GetBevelInner, &TPanel::SetBevelInner).Default(bvNone);
    c.Property("BevelOuter", &TPanel::GetBevelOuter, &TPanel::SetBevelOuter).Default(bvRaised);
    c.Property("BevelWidth", &TPanel::GetBevelWidth, &TPanel::SetBevelWidth).Default(1);
    c.Property("Caption", &TPanel::GetCaption, &TPanel::SetCaption);
    c.Property("Color", &TPanel::GetColor, &TPanel::SetColor).Type(ColorTypeInfo()).Default(clBtnFace).Stored(&TPanel::IsColorStored);
    c.Property("Enabled", &TPanel::GetEnabled, &TPanel::SetEnabled).Default(true);
    c.Property("Font", &TPanel::GetFont, &TPanel::SetFont).Stored(&TPanel::IsFontStored);
    c.Property("ParentColor", &TPanel::GetParentColor, &TPanel::SetParentColor).Default(false);
    c.Property("ParentFont", &TPanel::GetParentFont, &TPanel::SetParentFont).Default(true);
    c.Property("TabOrder", &TPanel::GetTabOrder, &TPanel::SetTabOrder).Default(-1);
    c.Property("Visible", &TPanel::GetVisible, &TPanel::SetVisible).Default(true);
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TPanel::SetBevelOuter(TPanelBevel value) {
    if (value == bevelOuter_) return;
    bevelOuter_ = value;
    Changed();
}

void TPanel::SetBevelInner(TPanelBevel value) {
    if (value == bevelInner_) return;
    bevelInner_ = value;
    Changed();
}

void TPanel::SetBevelWidth(int value) {
    value = std::max(1, value);
    if (value == bevelWidth_) return;
    bevelWidth_ = value;
    Changed();
}

int TPanel::BorderInset() const {
    return ((bevelOuter_ != bvNone) + (bevelInner_ != bvNone)) * bevelWidth_;
}

void TPanel::AlignControls(TRect& area) {
    const int inset = std::min({BorderInset(), (area.Right - area.Left) / 2, (area.Bottom - area.Top) / 2});
    area = {area.Left + inset, area.Top + inset, area.Right - inset, area.Bottom - inset};
    TWinControl::AlignControls(area);
}

void TPanel::Changed() {
    Realign();
    Invalidate();
}
