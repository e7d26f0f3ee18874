#include "toolbar_button.h"

#include <algorithm>

#include "support/framework/win_control.h"

PENDREL_IMPLEMENT_CLASS(TCustomToolbarButton97)

// The button publishes nothing itself: each final class publishes what its layouts keep.
void TCustomToolbarButton97::DeclareProperties(TClassBuilder<TCustomToolbarButton97>&) {}

TCustomToolbarButton97::TCustomToolbarButton97(TComponent* owner)
    : TControl(owner), glyph_(std::make_unique<HBitmap>()), glyphMask_(std::make_unique<HBitmap>()) {
    SetBounds(0, 0, 23, 22);
    SetColor(clBtnFace);
    SetParentColor(true);
    glyph_->OnChange = [this](TObject*) { Invalidate(); };
    glyphMask_->OnChange = [this](TObject*) { Invalidate(); };
}

TCustomToolbarButton97::~TCustomToolbarButton97() = default;

void TCustomToolbarButton97::SetDown(bool value) {
    if (groupIndex_ == 0) value = false;
    if (value == down_) return;
    if (down_ && !allowAllUp_) return;  // a group without AllowAllUp keeps one button down
    down_ = value;
    if (down_) ReleaseGroupSiblings();
    Invalidate();
}

void TCustomToolbarButton97::SetGroupIndex(int value) {
    if (value == groupIndex_) return;
    groupIndex_ = value;
    if (groupIndex_ == 0 && down_) {
        down_ = false;
        Invalidate();
    } else if (down_) {
        ReleaseGroupSiblings();
    }
}

void TCustomToolbarButton97::ReleaseGroupSiblings() {
    TWinControl* parent = Parent();
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TCustomToolbarButton97*>(parent->Controls(i));
        if (!sibling || sibling == this || sibling->groupIndex_ != groupIndex_ || !sibling->down_) continue;
        sibling->down_ = false;
        sibling->Invalidate();
    }
}

void TCustomToolbarButton97::SetNumGlyphs(int8_t value) { Change(numGlyphs_, std::clamp<int8_t>(value, 1, 4)); }

void TCustomToolbarButton97::SetRepeating(bool value) {
    if (value == repeating_) return;
    repeating_ = value;
    if (!repeating_) StopRepeating();
}

void TCustomToolbarButton97::MouseDown(TMouseButton button, TShiftState, TPoint position) {
    if (button != mbLeft || !GetEnabled() || held_) return;
    held_ = true;
    hovered_ = ClientRect().Contains(position);
    Invalidate();
    if (!repeating_) return;
    repeatTimer_ = MakeRepeatTimer();
    if (repeatTimer_) repeatTimer_->Start(repeatDelay_, [this] { RepeatTick(); });
    Click();  // last: a click handler may free the button
}

void TCustomToolbarButton97::RepeatTick() {
    if (!held_ || !repeatTimer_) return;
    repeatTimer_->Start(repeatInterval_, [this] { RepeatTick(); });
    if (hovered_) Click();
}

void TCustomToolbarButton97::StopRepeating() {
    if (repeatTimer_) repeatTimer_->Stop();
    repeatTimer_.reset();
}

void TCustomToolbarButton97::MouseMove(TShiftState, TPoint position) {
    const bool inside = ClientRect().Contains(position);
    if (inside == hovered_) return;
    hovered_ = inside;
    Invalidate();
}

void TCustomToolbarButton97::MouseUp(TMouseButton button, TShiftState, TPoint position) {
    if (button != mbLeft || !held_) return;
    held_ = false;
    hovered_ = ClientRect().Contains(position);
    Invalidate();
    if (repeating_) return StopRepeating();
    if (!hovered_) return;
    ToggleByClick();
    Click();  // last: a click handler may free the button
}

void TCustomToolbarButton97::MouseLeave() {
    if (!hovered_) return;
    hovered_ = false;
    Invalidate();
}

void TCustomToolbarButton97::ToggleByClick() {
    if (groupIndex_ == 0) return;
    SetDown(!down_);
}

bool TCustomToolbarButton97::ShowsBorder() const {
    if (noBorder_) return false;
    if (!flat_) return true;
    return showBorderWhenInactive_ || hovered_ || ShownDown();
}

TColor TCustomToolbarButton97::FaceColor() const {
    return ShownDown() && coverColor_ != clNone ? coverColor_ : GetColor();
}

TGlyphState TCustomToolbarButton97::GlyphState() const {
    TGlyphState state = !GetEnabled() ? gsDisabled : down_ ? gsExclusive : ShownDown() ? gsPressed : gsUp;
    return static_cast<int>(state) < numGlyphs_ ? state : gsUp;
}

void TCustomToolbarButton97::Click() { OnClick(this); }
