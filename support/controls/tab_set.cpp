#include "tab_set.h"

#include <algorithm>

PENDREL_IMPLEMENT_CLASS(TTabSet)

void TTabSet::DeclareProperties(TClassBuilder<TTabSet>& c) {
    c.Property("Align", &TTabSet::GetAlign, &TTabSet::SetAlign).Default(alNone);
    c.Property("Anchors", &TTabSet::GetAnchors, &TTabSet::SetAnchors).Default(kDefaultAnchors);
    c.Property("Enabled", &TTabSet::GetEnabled, &TTabSet::SetEnabled).Default(true);
    c.Property("Font", &TTabSet::GetFont, &TTabSet::SetFont).Stored(&TTabSet::IsFontStored);
    c.Property("Hint", &TTabSet::GetHint, &TTabSet::SetHint);
    c.Property("ParentFont", &TTabSet::GetParentFont, &TTabSet::SetParentFont).Default(true);
    c.Property("ParentShowHint", &TTabSet::GetParentShowHint, &TTabSet::SetParentShowHint).Default(true);
    c.Property("SelectedColor", &TTabSet::GetSelectedColor, &TTabSet::SetSelectedColor)
        .Type(ColorTypeInfo())
        .Default(clBtnFace);
    c.Property("ShowHint", &TTabSet::GetShowHint, &TTabSet::SetShowHint).Default(false);
    c.Property("StartMargin", &TTabSet::GetStartMargin, &TTabSet::SetStartMargin).Default(5);
    // The tabs come before the index that selects one of them.
    c.Property("Tabs", &TTabSet::GetTabs, &TTabSet::SetTabs);
    c.Property("TabIndex", &TTabSet::GetTabIndex, &TTabSet::SetTabIndex).Default(-1);
    c.Property("UnselectedColor", &TTabSet::GetUnselectedColor, &TTabSet::SetUnselectedColor)
        .Type(ColorTypeInfo())
        .Default(clWindow);
    c.Property("Visible", &TTabSet::GetVisible, &TTabSet::SetVisible).Default(true);
    c.Event("OnChange", &TTabSet::OnChange);
    c.Event("OnClick", &TTabSet::OnClick);
}

namespace {
// Space between a caption and the slanted sides of its tab, and the estimate of a character
// without a window to measure with.
constexpr int kTabPadding = 9;
constexpr int kEstimatedCharWidth = 6;
}  // namespace

TTabSet::TTabSet(TComponent* owner) : TWinControl(owner), tabs_(std::make_unique<TStrings>()) {
    SetBounds(0, 0, 185, 21);
    SetColor(clBtnFace);
    tabs_->OnChange = [this](TObject*) {
        tabIndex_ = std::min(tabIndex_, tabs_->Count() - 1);
        Invalidate();
    };
}

TTabSet::~TTabSet() {
    DestroyHandle();
    tabs_->OnChange = nullptr;
}

void TTabSet::SetTabIndex(int value) {
    if (value == tabIndex_ || value < -1 || value >= tabs_->Count()) return;
    bool allow = true;
    OnChange(this, value, allow);
    if (!allow) return;
    tabIndex_ = value;
    Invalidate();
}

void TTabSet::SetStartMargin(int value) {
    if (value == startMargin_) return;
    startMargin_ = std::max(0, value);
    Invalidate();
}

void TTabSet::SetSelectedColor(TColor value) {
    if (value == selectedColor_) return;
    selectedColor_ = value;
    Invalidate();
}

void TTabSet::SetUnselectedColor(TColor value) {
    if (value == unselectedColor_) return;
    unselectedColor_ = value;
    Invalidate();
}

int TTabSet::TabWidth(int index) const {
    const std::string& caption = (*tabs_)[index];
    const auto* window = dynamic_cast<const ITabSetWindow*>(Peer());
    const int text = window ? window->TextWidth(caption) : static_cast<int>(caption.size()) * kEstimatedCharWidth;
    return text + 2 * kTabPadding;
}

TRect TTabSet::TabRect(int index) const {
    if (index < 0 || index >= tabs_->Count()) return {};
    int left = startMargin_;
    for (int i = 0; i < index; ++i) left += TabWidth(i);
    return {left, 0, left + TabWidth(index), GetHeight()};
}

int TTabSet::ItemAtPos(TPoint position) const {
    for (int i = 0; i < tabs_->Count(); ++i)
        if (TabRect(i).Contains(position)) return i;
    return -1;
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, TPoint position) {
    TWinControl::MouseDown(button, shift, position);
    if (button != mbLeft) return;
    const int index = ItemAtPos(position);
    if (index >= 0) SetTabIndex(index);
}
