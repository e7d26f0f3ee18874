#include "h_window.h"

#include <algorithm>

#include "support/framework/class_builder.h"

PENDREL_IMPLEMENT_CLASS(HWindow)

namespace {
constexpr int kCloseButtonMargin = 2;
constexpr int kMinCaptionHeight = 8;
}  // namespace

void HWindow::DeclareProperties(TClassBuilder<HWindow>& c) {
    using W = HWindow;
    c.Property("Align", &W::GetAlign, &W::SetAlign).Default(alNone);
    c.Property("Caption", &W::GetCaption, &W::SetCaption);
    c.Property("CaptionColor", &W::GetCaptionColor, &W::SetCaptionColor).Type(ColorTypeInfo()).Default(SystemColor(2));
    c.Property("CaptionHeight", &W::GetCaptionHeight, &W::SetCaptionHeight).Default(18);
    c.Property("CaptionTextColor", &W::GetCaptionTextColor, &W::SetCaptionTextColor).Type(ColorTypeInfo()).Default(SystemColor(9));
    c.Property("CloseButton", &W::GetCloseButton, &W::SetCloseButton).Default(true);
    c.Property("Color", &W::GetColor, &W::SetColor).Type(ColorTypeInfo()).Default(clBtnFace);
    c.Property("Enabled", &W::GetEnabled, &W::SetEnabled).Default(true);
    c.Property("Font", &W::GetFont, &W::SetFont).Stored(&W::IsFontStored);
    c.Property("ParentFont", &W::GetParentFont, &W::SetParentFont).Default(true);
    c.Property("ShowHint", &W::GetShowHint, &W::SetShowHint).Default(false);
    c.Property("Visible", &W::GetVisible, &W::SetVisible).Default(true);
    c.Event("OnClose", &W::OnClose);
}

HWindow::HWindow(TComponent* owner) : TWinControl(owner) {
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 160);
}

void HWindow::Changed() {
    Realign();
    Invalidate();
}

void HWindow::SetCaptionHeight(int value) {
    value = std::max(value, kMinCaptionHeight);
    if (value == captionHeight_) return;
    captionHeight_ = value;
    Changed();
}

void HWindow::SetCloseButton(bool value) {
    if (value == closeButton_) return;
    closeButton_ = value;
    Invalidate();
}

void HWindow::SetCaptionColor(TColor value) {
    if (value == captionColor_) return;
    captionColor_ = value;
    Invalidate();
}

void HWindow::SetCaptionTextColor(TColor value) {
    if (value == captionTextColor_) return;
    captionTextColor_ = value;
    Invalidate();
}

TRect HWindow::CaptionRect() const { return {0, 0, ClientWidth(), std::min(captionHeight_, ClientHeight())}; }

TRect HWindow::CloseButtonRect() const {
    if (!closeButton_) return {};
    const TRect bar = CaptionRect();
    const int side = std::max(0, bar.Bottom - bar.Top - 2 * kCloseButtonMargin);
    const int right = bar.Right - kCloseButtonMargin;
    if (right - side < bar.Left) return {};
    return {right - side, bar.Top + kCloseButtonMargin, right, bar.Top + kCloseButtonMargin + side};
}

TRect HWindow::ChildArea() const {
    TRect area = ClientRect();
    area.Top = CaptionRect().Bottom;
    return area;
}

void HWindow::AlignControls(TRect& area) {
    area.Top = std::max(area.Top, CaptionRect().Bottom);
    TWinControl::AlignControls(area);
}

void HWindow::TextChanged() {
    TWinControl::TextChanged();
    Invalidate();
}

void HWindow::Close() {
    TCloseAction action = caHide;
    OnClose(this, action);
    if (action == caHide) Hide();
}

void HWindow::MouseDown(TMouseButton button, TShiftState shift, TPoint position) {
    TWinControl::MouseDown(button, shift, position);
    if (button != mbLeft || !CloseButtonRect().Contains(position)) return;
    closeHeld_ = closePressed_ = true;
    SetMouseCapture(true);
    InvalidateRect(CloseButtonRect());
}

void HWindow::MouseMove(TShiftState shift, TPoint position) {
    TWinControl::MouseMove(shift, position);
    if (!closeHeld_) return;
    const bool over = CloseButtonRect().Contains(position);
    if (over == closePressed_) return;
    closePressed_ = over;
    InvalidateRect(CloseButtonRect());
}

void HWindow::MouseUp(TMouseButton button, TShiftState shift, TPoint position) {
    TWinControl::MouseUp(button, shift, position);
    if (button != mbLeft || !closeHeld_) return;
    closeHeld_ = closePressed_ = false;
    SetMouseCapture(false);
    InvalidateRect(CloseButtonRect());
    // Released away from the button: the user changed their mind.
    if (CloseButtonRect().Contains(position)) Close();
}
