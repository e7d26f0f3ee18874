#include "scroll_box.h"

#include <algorithm>

PENDREL_IMPLEMENT_CLASS(TControlScrollBar)

void TControlScrollBar::DeclareProperties(TClassBuilder<TControlScrollBar>& c) {
    c.Property("Increment", &TControlScrollBar::GetIncrement, &TControlScrollBar::SetIncrement).Default(8);
    c.Property("Position", &TControlScrollBar::GetPosition, &TControlScrollBar::SetPosition).Stored(false);
    c.Property("Range", &TControlScrollBar::GetRange, &TControlScrollBar::SetRange).Default(0);
    c.Property("Visible", &TControlScrollBar::GetVisible, &TControlScrollBar::SetVisible).Default(true);
}

int TControlScrollBar::MaxPosition() const {
    const int client = horizontal_ ? control_->ClientWidth() : control_->ClientHeight();
    return std::max(0, range_ - client);
}

void TControlScrollBar::SetPosition(int value) {
    value = std::clamp(value, 0, MaxPosition());
    if (value == position_) return;
    const int delta = position_ - value;
    position_ = value;
    control_->ScrollChildren(horizontal_ ? delta : 0, horizontal_ ? 0 : delta);
}

void TControlScrollBar::SetRange(int value) {
    range_ = std::max(0, value);
    if (position_ > MaxPosition()) SetPosition(MaxPosition());
}

PENDREL_IMPLEMENT_CLASS(TScrollingWinControl)

void TScrollingWinControl::DeclareProperties(TClassBuilder<TScrollingWinControl>& c) {
    c.Property("HorzScrollBar", &TScrollingWinControl::GetHorzScrollBar);
    c.Property("VertScrollBar", &TScrollingWinControl::GetVertScrollBar);
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner), horz_(new TControlScrollBar(this, true)), vert_(new TControlScrollBar(this, false)) {}

TScrollingWinControl::~TScrollingWinControl() {
    delete horz_;
    delete vert_;
}

void TScrollingWinControl::SetAutoScroll(bool value) {
    if (value == autoScroll_) return;
    autoScroll_ = value;
    UpdateAutoRange();
}

void TScrollingWinControl::EnableAutoRange() {
    if (autoRangeDisabled_ > 0 && --autoRangeDisabled_ == 0) UpdateAutoRange();
}

void TScrollingWinControl::UpdateAutoRange() {
    if (autoRangeDisabled_ > 0 || !autoScroll_) return;
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TRect r = Controls(i)->BoundsRect();
        right = std::max(right, r.Right + horz_->GetPosition());
        bottom = std::max(bottom, r.Bottom + vert_->GetPosition());
    }
    horz_->SetRange(right);
    vert_->SetRange(bottom);
}

void TScrollingWinControl::ScrollChildren(int dx, int dy) {
    DisableAutoRange();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->GetLeft() + dx, c->GetTop() + dy, c->GetWidth(), c->GetHeight());
    }
    --autoRangeDisabled_;
    Invalidate();
}

void TScrollingWinControl::BoundsChanged() {
    TWinControl::BoundsChanged();
    UpdateAutoRange();
}

PENDREL_IMPLEMENT_CLASS(TScrollBox)

void TScrollBox::DeclareProperties(TClassBuilder<TScrollBox>& c) {
    c.Property("Align", &TScrollBox::GetAlign, &TScrollBox::SetAlign).Default(alNone);
    c.Property("AutoScroll", &TScrollBox::GetAutoScroll, &TScrollBox::SetAutoScroll).Default(true);
    c.Property("BorderStyle", &TScrollBox::GetBorderStyle, &TScrollBox::SetBorderStyle).Default(bsSingle);
    c.Property("Color", &TScrollBox::GetColor, &TScrollBox::SetColor).Type(ColorTypeInfo()).Default(clWindow).Stored(&TScrollBox::IsColorStored);
    c.Property("Enabled", &TScrollBox::GetEnabled, &TScrollBox::SetEnabled).Default(true);
    c.Property("Font", &TScrollBox::GetFont, &TScrollBox::SetFont).Stored(&TScrollBox::IsFontStored);
    c.Property("ParentColor", &TScrollBox::GetParentColor, &TScrollBox::SetParentColor).Default(false);
    c.Property("ParentFont", &TScrollBox::GetParentFont, &TScrollBox::SetParentFont).Default(true);
    c.Property("TabOrder", &TScrollBox::GetTabOrder, &TScrollBox::SetTabOrder).Default(-1);
    c.Property("Visible", &TScrollBox::GetVisible, &TScrollBox::SetVisible).Default(true);
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TScrollBox::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    Invalidate();
}
