#include "control.h"

#include "exceptions.h"
#include "win_control.h"

PENDREL_IMPLEMENT_CLASS(TControl)

void TControl::DeclareProperties(TClassBuilder<TControl>& c) {
    c.Property("Left", &TControl::GetLeft, &TControl::SetLeft);
    c.Property("Top", &TControl::GetTop, &TControl::SetTop);
    c.Property("Width", &TControl::GetWidth, &TControl::SetWidth);
    c.Property("Height", &TControl::GetHeight, &TControl::SetHeight);
    c.Property("Cursor", &TControl::GetCursor, &TControl::SetCursor).Type(CursorTypeInfo()).Default(crDefault);
    c.Property("Hint", &TControl::GetHint, &TControl::SetHint);
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), constraints_(std::make_unique<TSizeConstraints>()), font_(std::make_unique<TFont>()) {
    font_->OnChange = [this](TObject*) { FontChanged(); };
    constraints_->OnChange = [this](TObject*) { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl() {
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = constraints_->ConstrainWidth(width);
    height = constraints_->ConstrainHeight(height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    left_ = left, top_ = top, width_ = width, height_ = height;
    BoundsChanged();
    Invalidate();
    if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::MouseDown(TMouseButton button, TShiftState, TPoint) {
    if (button == mbLeft) clickPressed_ = true;
}

void TControl::MouseMove(TShiftState, TPoint) {}

void TControl::MouseUp(TMouseButton button, TShiftState, TPoint position) {
    if (button != mbLeft || !clickPressed_) return;
    clickPressed_ = false;
    if (ClientRect().Contains(position)) Click();  // last: a click handler may free the control
}

void TControl::BringToFront() {
    if (parent_) parent_->BringToFront(this);
}

void TControl::SendToBack() {
    if (parent_) parent_->SendToBack(this);
}

namespace {
int Scaled(int value, int multiplier, int divisor) {
    return static_cast<int>(static_cast<int64_t>(value) * multiplier / divisor);
}
}  // namespace

void TControl::ChangeScale(int multiplier, int divisor) {
    if (divisor == 0 || multiplier == divisor) return;
    SetBounds(Scaled(left_, multiplier, divisor), Scaled(top_, multiplier, divisor), Scaled(width_, multiplier, divisor),
              Scaled(height_, multiplier, divisor));
    if (!parentFont_) font_->SetHeight(Scaled(font_->GetHeight(), multiplier, divisor));
}

TPoint TControl::ClientOrigin() const {
    if (!parent_) return {left_, top_};
    const TPoint origin = parent_->ClientOrigin();
    return {origin.X + left_, origin.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint origin = ClientOrigin();
    return {p.X + origin.X, p.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint origin = ClientOrigin();
    return {p.X - origin.X, p.Y - origin.Y};
}

void TControl::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    VisibleChanged();
}

void TControl::VisibleChanged() {
    if (parent_) {
        parent_->InvalidateRect(BoundsRect());
        if (align_ != alNone) parent_->Realign();
    }
}

void TControl::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    EnabledChanged();
}

void TControl::SetAlign(TAlign value) {
    if (value == align_) return;
    align_ = value;
    if (parent_) parent_->Realign();
}

void TControl::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    TextChanged();
}

void TControl::SetColor(TColor value) {
    if (value == color_ && !parentColor_) return;
    color_ = value;
    parentColor_ = false;
    ColorChanged();
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    if (value) ParentColorChanged();
}

void TControl::SetParentFont(bool value) {
    if (value == parentFont_) return;
    parentFont_ = value;
    if (value) ParentFontChanged();
}

void TControl::FontChanged() {
    // A font set on the control itself stops following the parent.
    if (parent_ && parentFont_ && !(*font_ == *parent_->GetFont())) parentFont_ = false;
    Invalidate();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    font_->Assign(parent_->GetFont());
    parentFont_ = true;
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_) return;
    if (color_ == parent_->GetColor()) return;
    color_ = parent_->GetColor();
    ColorChanged();
}

void TControl::Invalidate() {
    // A control being read repaints once, when it has been loaded: a layout's many property
    // writes would otherwise each ask the window system for a repaint.
    if (IsLoading()) return;
    if (parent_ && visible_) parent_->InvalidateRect(BoundsRect());
}

void TControl::Loaded() {
    TComponent::Loaded();
    Invalidate();
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}
