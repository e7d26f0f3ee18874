#include "inspector_list.h"

#include <algorithm>

#include "inspector_keys.h"
#include "support/framework/text_case.h"

PENDREL_IMPLEMENT_CLASS(TInspectorList)

void TInspectorList::DeclareProperties(TClassBuilder<TInspectorList>&) {}

TInspectorList::TInspectorList(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetColor(clWindow);
}

void TInspectorList::SetItems(std::vector<std::string> items, const std::string& current) {
    items_ = std::move(items);
    itemIndex_ = -1;
    topItem_ = 0;
    for (size_t i = 0; i < items_.size(); ++i)
        if (SameText(items_[i], current)) itemIndex_ = static_cast<int>(i);
    SetItemIndex(itemIndex_);
}

int TInspectorList::ShownItems() const { return std::min<int>(static_cast<int>(items_.size()), kMaxShownItems); }

void TInspectorList::SetItemIndex(int index) {
    const int count = static_cast<int>(items_.size());
    itemIndex_ = count == 0 ? -1 : std::clamp(index, index < 0 ? -1 : 0, count - 1);
    if (itemIndex_ >= 0) {
        if (itemIndex_ < topItem_) topItem_ = itemIndex_;
        if (itemIndex_ >= topItem_ + ShownItems()) topItem_ = itemIndex_ - ShownItems() + 1;
    }
    topItem_ = std::clamp(topItem_, 0, std::max(0, count - ShownItems()));
    Invalidate();
}

bool TInspectorList::KeyDown(uint16_t key) {
    const int page = std::max(1, ShownItems() - 1);
    switch (key) {
        case kKeyUp: SetItemIndex(std::max(0, itemIndex_ - 1)); return true;
        case kKeyDown: SetItemIndex(itemIndex_ + 1); return true;
        case kKeyPageUp: SetItemIndex(std::max(0, itemIndex_ - page)); return true;
        case kKeyPageDown: SetItemIndex(itemIndex_ + page); return true;
        case kKeyHome: SetItemIndex(0); return true;
        case kKeyEnd: SetItemIndex(static_cast<int>(items_.size()) - 1); return true;
        case kKeyReturn:
            Pick();
            return true;
        default: return false;
    }
}

int TInspectorList::ItemAt(TPoint position) const {
    if (itemHeight_ <= 0 || position.Y < 0) return -1;
    const int index = topItem_ + position.Y / itemHeight_;
    return index < static_cast<int>(items_.size()) ? index : -1;
}

void TInspectorList::MouseDown(TMouseButton button, TShiftState, TPoint position) {
    if (button == mbLeft && ItemAt(position) >= 0) SetItemIndex(ItemAt(position));
}

void TInspectorList::MouseMove(TShiftState shift, TPoint position) {
    if ((shift & ssLeft) && ItemAt(position) >= 0) SetItemIndex(ItemAt(position));
}

void TInspectorList::MouseUp(TMouseButton button, TShiftState, TPoint position) {
    if (button == mbLeft && ItemAt(position) >= 0 && ItemAt(position) == itemIndex_) Pick();
}

bool TInspectorList::MouseWheel(TShiftState, int delta, TPoint) {
    topItem_ = std::clamp(topItem_ - delta / 40, 0, std::max(0, static_cast<int>(items_.size()) - ShownItems()));
    Invalidate();
    return true;
}

void TInspectorList::Pick() {
    if (itemIndex_ < 0 || !OnPick) return;
    const std::string value = items_[static_cast<size_t>(itemIndex_)];
    OnPick(value);  // last: picking may close and hide the list
}
