#include "support/menus/menu_item.h"

#include <algorithm>
#include <map>
#include <string>

#include "support/menus/menu.h"

namespace {
// Command numbers fit the 16 bits a menu notification carries; 0 means "no command".
constexpr int kFirstCommand = 1;
constexpr int kLastCommand = 0xFFFF;

std::map<int, TMenuItem*>& CommandItems() {
    static std::map<int, TMenuItem*> items;
    return items;
}

int AllocateCommand(TMenuItem* item) {
    auto& items = CommandItems();
    int command = kFirstCommand;
    for (const auto& [used, _] : items) {
        if (used != command) break;
        ++command;
    }
    if (command > kLastCommand) throw EMenuError("Too many menu items");
    items.emplace(command, item);
    return command;
}

template <class V>
bool StoreIfChanged(V& field, const V& value) {
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace

TMenuItem* FindMenuItemByCommand(int command) {
    const auto found = CommandItems().find(command);
    return found == CommandItems().end() ? nullptr : found->second;
}

PENDREL_IMPLEMENT_CLASS(TMenuItem)

void TMenuItem::DeclareProperties(TClassBuilder<TMenuItem>& c) {
    c.Property("Caption", &TMenuItem::GetCaption, &TMenuItem::SetCaption);
    c.Property("Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked).Default(false);
    c.Property("Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled).Default(true);
    c.Property("GroupIndex", &TMenuItem::GetGroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    c.Property("ImageIndex", &TMenuItem::GetImageIndex, &TMenuItem::SetImageIndex).Default(-1);
    c.Property("RadioItem", &TMenuItem::GetRadioItem, &TMenuItem::SetRadioItem).Default(false);
    c.Property("ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut).Default(0);
    c.Property("Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible).Default(true);
    c.Event("OnClick", &TMenuItem::OnClick);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand(this)) {}

TMenuItem::~TMenuItem() {
    SetState(csDestroying, true);
    Clear();
    if (parent_) parent_->Remove(this);
    CommandItems().erase(command_);
}

void TMenuItem::SetCaption(const std::string& value) {
    if (StoreIfChanged(caption_, value)) Changed(false);
}

void TMenuItem::SetChecked(bool value) {
    if (!StoreIfChanged(checked_, value)) return;
    if (value && radioItem_) UncheckRadioSiblings();
    Changed(false);
}

void TMenuItem::SetEnabled(bool value) {
    if (StoreIfChanged(enabled_, value)) Changed(false);
}

void TMenuItem::SetVisible(bool value) {
    if (StoreIfChanged(visible_, value)) Changed(true);
}

void TMenuItem::SetShortCut(TShortCut value) {
    if (StoreIfChanged(shortCut_, value)) Changed(false);
}

void TMenuItem::SetRadioItem(bool value) {
    if (!StoreIfChanged(radioItem_, value)) return;
    if (value && checked_) UncheckRadioSiblings();
    Changed(false);
}

void TMenuItem::SetGroupIndex(uint8_t value) {
    if (!StoreIfChanged(groupIndex_, value)) return;
    if (radioItem_ && checked_) UncheckRadioSiblings();
}

void TMenuItem::SetImageIndex(int value) {
    if (StoreIfChanged(imageIndex_, value < -1 ? -1 : value)) Changed(false);
}

void TMenuItem::SetBitmap(const TBitmapImage* bitmap) {
    if (StoreIfChanged(bitmap_, bitmap)) Changed(false);
}

void TMenuItem::UncheckRadioSiblings() {
    if (!parent_) return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->SetChecked(false);
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw EMenuError("Menu index out of range (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

TMenu* TMenuItem::GetMenu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item) throw EMenuError("No menu item to insert");
    if (item->parent_) throw EMenuError("Menu item '" + item->caption_ + "' is inserted twice");
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item) throw EMenuError("A menu item cannot hold itself");
    if (item->menu_) throw EMenuError("The root item of a menu cannot be a sub-item");
    if (index < 0 || index > Count()) throw EMenuError("Menu index out of range (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    if (item->radioItem_ && item->checked_) item->UncheckRadioSiblings();
    Changed(true);
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = Items(index);
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
    Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
    const int index = IndexOf(item);
    if (index < 0) throw EMenuError("Menu item not found");
    Delete(index);
}

void TMenuItem::Clear() {
    while (!items_.empty()) delete items_.back();
}

void TMenuItem::Click() {
    if (enabled_) OnClick(this);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) {
    for (TMenuItem* item : std::vector<TMenuItem*>(items_)) proc(item);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ && parent_->menu_) return parent_->menu_;
    return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (parent_) parent_->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

void TMenuItem::Changed(bool rebuild) {
    // An item going away tells the menu once, as it leaves its parent.
    if (ComponentState() & csDestroying) return;
    if (TMenu* menu = GetMenu()) menu->ItemChanged(this, rebuild);
}
