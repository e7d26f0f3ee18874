#include "radio_group.h"

#include "support/framework/class_builder.h"

PENDREL_IMPLEMENT_CLASS(TRadioButton)
PENDREL_IMPLEMENT_CLASS(TRadioGroup)

namespace {
// The frame's caption line and its inner margins.
constexpr int kCaptionHeight = 16, kMargin = 8, kButtonHeight = 17;
}  // namespace

void TRadioButton::DeclareProperties(TClassBuilder<TRadioButton>&) {}

TRadioButton::TRadioButton(TRadioGroup& group, int index) : TWinControl(&group), group_(group), index_(index) {
    SetTabStop(index == 0);
    SetParentColor(true);
}

bool TRadioButton::GetChecked() const { return group_.GetItemIndex() == index_; }

void TRadioButton::ChosenInWindow() { group_.SetItemIndex(index_); }

void TRadioGroup::DeclareProperties(TClassBuilder<TRadioGroup>& c) {
    c.Property("Caption", &TRadioGroup::GetCaption, &TRadioGroup::SetCaption);
    c.Property("Items", &TRadioGroup::GetItems, &TRadioGroup::SetItems);
    c.Property("ItemIndex", &TRadioGroup::GetItemIndex, &TRadioGroup::SetItemIndex).Default(-1);
    c.Property("TabOrder", &TRadioGroup::GetTabOrder, &TRadioGroup::SetTabOrder).Default(-1);
    c.Property("Visible", &TRadioGroup::GetVisible, &TRadioGroup::SetVisible).Default(true);
    c.Event("OnClick", &TRadioGroup::OnClick);
}

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStrings>()) {
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
    items_->OnChange = [this](TObject*) { RebuildButtons(); };
}

TRadioGroup::~TRadioGroup() { items_->OnChange = nullptr; }

void TRadioGroup::SetItemIndex(int value) {
    if (value < -1 || value >= items_->Count() || value == itemIndex_) return;
    itemIndex_ = value;
    for (TRadioButton* button : buttons_) button->Invalidate();
    OnClick(this);
}

TRadioButton* TRadioGroup::Button(int index) const {
    return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(index)] : nullptr;
}

void TRadioGroup::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TRadioGroup::BoundsChanged() {
    TWinControl::BoundsChanged();
    PlaceButtons();
}

void TRadioGroup::RebuildButtons() {
    for (TRadioButton* button : buttons_) delete button;
    buttons_.clear();
    for (int i = 0; i < items_->Count(); ++i) {
        auto* button = new TRadioButton(*this, i);
        button->SetCaption(items_->Strings(i));
        button->SetParent(this);
        buttons_.push_back(button);
    }
    if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
    PlaceButtons();
}

void TRadioGroup::PlaceButtons() {
    if (buttons_.empty()) return;
    const int room = GetHeight() - kCaptionHeight - kMargin;
    const int pitch = std::max(kButtonHeight, room / static_cast<int>(buttons_.size()));
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetBounds(kMargin, kCaptionHeight + static_cast<int>(i) * pitch, GetWidth() - 2 * kMargin, kButtonHeight);
}
