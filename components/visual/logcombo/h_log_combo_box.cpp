#include "h_log_combo_box.h"

#include <algorithm>
#include <numeric>

#include "support/framework/class_builder.h"
#include "support/framework/exceptions.h"
#include "support/framework/text_case.h"

PENDREL_IMPLEMENT_CLASS(HLogComboBox)

void HLogComboBox::DeclareProperties(TClassBuilder<HLogComboBox>& c) {
    using B = HLogComboBox;
    c.Property("Align", &B::GetAlign, &B::SetAlign).Default(alNone);
    c.Property("Color", &B::GetColor, &B::SetColor).Type(ColorTypeInfo()).Default(clWindow);
    c.Property("DropDownCount", &B::GetDropDownCount, &B::SetDropDownCount).Default(8);
    c.Property("Enabled", &B::GetEnabled, &B::SetEnabled).Default(true);
    c.Property("Font", &B::GetFont, &B::SetFont).Stored(&B::IsFontStored);
    c.Property("Items", &B::GetItems, &B::SetItems);
    c.Property("ItemIndex", &B::GetItemIndex, &B::SetItemIndex).Default(-1);
    c.Property("ParentFont", &B::GetParentFont, &B::SetParentFont).Default(true);
    c.Property("ShowHint", &B::GetShowHint, &B::SetShowHint).Default(false);
    c.Property("Sorted", &B::GetSorted, &B::SetSorted).Default(false);
    c.Property("TabOrder", &B::GetTabOrder, &B::SetTabOrder).Default(-1);
    c.Property("TabStop", &B::GetTabStop, &B::SetTabStop).Default(true);
    c.Property("Visible", &B::GetVisible, &B::SetVisible).Default(true);
    c.Event("OnChange", &B::OnChange);
    c.Event("OnDropDown", &B::OnDropDown);
}

HLogComboBox::HLogComboBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStrings>()) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
}

void HLogComboBox::SyncObjects() const { objects_.resize(static_cast<size_t>(items_->Count()), nullptr); }

void HLogComboBox::Track(TObject* object) {
    if (auto* component = dynamic_cast<TComponent*>(object)) component->FreeNotification(this);
}

void HLogComboBox::Untrack(TObject* object) {
    auto* component = dynamic_cast<TComponent*>(object);
    if (!component || IndexOfObject(object) >= 0) return;
    component->RemoveFreeNotification(this);
}

void HLogComboBox::ListChanged() {
    ++listVersion_;
    Invalidate();
}

void HLogComboBox::SetItems(TStrings* value) {
    std::vector<TObject*> old;
    old.swap(objects_);
    items_->Assign(value);
    for (TObject* object : old) Untrack(object);
    itemIndex_ = -1;
    if (sorted_) SortEntries();
    ListChanged();
}

int HLogComboBox::AddItem(const std::string& text, TObject* object) {
    SyncObjects();
    int index = items_->Count();
    if (sorted_) {
        index = 0;
        while (index < items_->Count() && CompareText((*items_)[index], text) <= 0) ++index;
    }
    items_->Insert(index, text);
    objects_.insert(objects_.begin() + index, object);
    Track(object);
    if (itemIndex_ >= index) ++itemIndex_;
    ListChanged();
    return index;
}

TObject* HLogComboBox::Objects(int index) const {
    SyncObjects();
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return objects_[static_cast<size_t>(index)];
}

void HLogComboBox::SetObject(int index, TObject* object) {
    TObject* old = Objects(index);
    objects_[static_cast<size_t>(index)] = object;
    Untrack(old);
    Track(object);
}

const std::string& HLogComboBox::ItemText(int index) const { return (*items_)[index]; }

void HLogComboBox::Delete(int index) {
    TObject* object = Objects(index);
    items_->Delete(index);
    objects_.erase(objects_.begin() + index);
    Untrack(object);
    if (itemIndex_ == index)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
    ListChanged();
}

void HLogComboBox::Clear() {
    std::vector<TObject*> old;
    old.swap(objects_);
    items_->Clear();
    for (TObject* object : old) Untrack(object);
    itemIndex_ = -1;
    ListChanged();
}

int HLogComboBox::IndexOfObject(const TObject* object) const {
    SyncObjects();
    const auto it = std::find(objects_.begin(), objects_.end(), object);
    return it == objects_.end() ? -1 : static_cast<int>(it - objects_.begin());
}

void HLogComboBox::SetItemIndex(int value) {
    if (value < -1 || value >= Count()) throw EListError("List index out of bounds (" + std::to_string(value) + ")");
    if (value == itemIndex_) return;
    itemIndex_ = value;
    ListChanged();
}

TObject* HLogComboBox::SelectedObject() const { return itemIndex_ < 0 ? nullptr : Objects(itemIndex_); }

void HLogComboBox::SetDropDownCount(int value) {
    value = std::max(1, value);
    if (value == dropDownCount_) return;
    dropDownCount_ = value;
    ListChanged();
}

void HLogComboBox::SetSorted(bool value) {
    if (value == sorted_) return;
    sorted_ = value;
    if (sorted_) SortEntries();
    ListChanged();
}

void HLogComboBox::SortEntries() {
    SyncObjects();
    std::vector<int> order(static_cast<size_t>(Count()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return CompareText((*items_)[a], (*items_)[b]) < 0; });
    TStrings texts;
    std::vector<TObject*> objects;
    int chosen = -1;
    for (int i : order) {
        if (i == itemIndex_) chosen = texts.Count();
        texts.Add((*items_)[i]);
        objects.push_back(objects_[static_cast<size_t>(i)]);
    }
    items_->Assign(&texts);
    objects_ = std::move(objects);
    itemIndex_ = chosen;
}

void HLogComboBox::SelectedInWindow(int index) {
    if (index < -1 || index >= Count() || index == itemIndex_) return;
    itemIndex_ = index;
    OnChange(this);
}

void HLogComboBox::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    for (TObject*& object : objects_)
        if (object == component) object = nullptr;
}

void HLogComboBox::Loaded() {
    TWinControl::Loaded();
    SyncObjects();
    if (sorted_) SortEntries();
    ListChanged();
}
