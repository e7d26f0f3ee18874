#include "component.h"

#include <algorithm>
#include <cctype>

#include "exceptions.h"

PENDREL_IMPLEMENT_CLASS(TComponent)

void TComponent::DeclareProperties(TClassBuilder<TComponent>& c) {
    // The name is written in the record's header, not among the properties.
    c.Property("Name", &TComponent::GetName, &TComponent::SetName).Stored(false);
    c.Property("Tag", &TComponent::GetTag, &TComponent::SetTag).Default(0);
}

bool IsValidIdent(const std::string& ident) {
    if (ident.empty()) return false;
    auto alpha = [](unsigned char ch) { return std::isalpha(ch) || ch == '_'; };
    if (!alpha(static_cast<unsigned char>(ident[0]))) return false;
    return std::all_of(ident.begin(), ident.end(),
                       [&](char ch) { return alpha(static_cast<unsigned char>(ch)) || std::isdigit(static_cast<unsigned char>(ch)); });
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    for (TComponent* linked : std::vector<TComponent*>(freeNotifies_)) {
        linked->RemoveFreeNotification(this);
        linked->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component->name_.empty() && FindComponent(component->name_))
        throw EComponentError("A component named " + component->name_ + " already exists");
    if (component->owner_) component->owner_->RemoveComponent(component);
    Insert(component);
    NotifyOwned(component, TOperation::opInsert);
    if (IDesignerHook* hook = DesignerHook()) hook->ComponentInserted(*component);
}

void TComponent::RemoveComponent(TComponent* component) {
    NotifyOwned(component, TOperation::opRemove);
    Remove(component);
    if (IDesignerHook* hook = DesignerHook()) hook->ComponentRemoved(*component);
}

void TComponent::DestroyComponents() {
    // Each owned component removes itself from the list as it is destroyed.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        Remove(last);
        delete last;
    }
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end()) components_.erase(it);
    component->owner_ = nullptr;
}

void TComponent::NotifyOwned(TComponent* component, TOperation operation) {
    Notification(component, operation);
    for (TComponent* c : std::vector<TComponent*>(components_))
        if (c != component) c->Notification(component, operation);
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    ValidateRename(name_, name);
    const std::string oldName = std::move(name_);
    name_ = name;
    if (IDesignerHook* hook = DesignerHook()) hook->ComponentRenamed(*this, oldName);
}

void TComponent::SetTag(int tag) {
    if (tag == tag_) return;
    tag_ = tag;
    PropertyChanged("Tag");
}

IDesignerHook* TComponent::DesignerHook() const {
    if (state_ & (csReading | csWriting | csDestroying)) return nullptr;
    for (const TComponent* c = this; c; c = c->owner_) {
        if (c->state_ & csDestroying) return nullptr;
        if (c->designerHook_) return c->designerHook_;
    }
    return nullptr;
}

void TComponent::PropertyChanged(const std::string& path) {
    if (TPropertyReportsMuted::Active()) return;
    if (IDesignerHook* hook = DesignerHook()) hook->PropertyChanged(*this, path);
}

namespace {
int& MutedReports() {
    static int muted = 0;
    return muted;
}
}  // namespace

TPropertyReportsMuted::TPropertyReportsMuted() { ++MutedReports(); }
TPropertyReportsMuted::~TPropertyReportsMuted() { --MutedReports(); }
bool TPropertyReportsMuted::Active() { return MutedReports() > 0; }

void TComponent::ValidateRename(const std::string& oldName, const std::string& newName) const {
    if (!newName.empty() && !IsValidIdent(newName))
        throw EComponentError("Component name " + newName + " is not a valid identifier");
    if (owner_ && !newName.empty() && !SameText(oldName, newName)) {
        TComponent* clash = owner_->FindComponent(newName);
        if (clash && clash != this) throw EComponentError("A component named " + newName + " already exists");
    }
}

void TComponent::SetDesigning(bool designing, bool setChildren) {
    SetState(csDesigning, designing);
    if (setChildren)
        for (TComponent* c : components_) c->SetDesigning(designing, true);
}

void TComponent::SetState(unsigned flag, bool on) { state_ = on ? (state_ | flag) : (state_ & ~flag); }

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
        freeNotifies_.push_back(component);
        component->FreeNotification(this);
    }
    state_ |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), component);
    if (it == freeNotifies_.end()) return;
    freeNotifies_.erase(it);
    component->RemoveFreeNotification(this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component) RemoveFreeNotification(component);
}

void TComponent::Loaded() { SetState(csLoading, false); }

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}
