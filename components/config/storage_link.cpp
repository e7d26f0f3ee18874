#include "components/config/storage_link.h"

#include <algorithm>

#include "support/framework/component.h"

PENDREL_IMPLEMENT_CLASS(HCustomStorageLink)
PENDREL_IMPLEMENT_CLASS(HStorageLink)

void HCustomStorageLink::DeclareProperties(TClassBuilder<HCustomStorageLink>&) {}

void HStorageLink::DeclareProperties(TClassBuilder<HStorageLink>& c) {
    c.Property("Storage", &HStorageLink::GetStorage, &HStorageLink::SetStorage);
    c.Property("KeyPath", &HStorageLink::GetKeyPath, &HStorageLink::SetKeyPath);
    c.Event("OnSave", &HStorageLink::OnSave);
    c.Event("OnLoad", &HStorageLink::OnLoad);
}

class HCustomStorageLink::Watcher : public TComponent {
public:
    explicit Watcher(HCustomStorageLink& link) : TComponent(nullptr), link_(link) {}
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        link_.Notification(component, operation);
    }

private:
    HCustomStorageLink& link_;
};

HCustomStorageLink::HCustomStorageLink() : watcher_(std::make_unique<Watcher>(*this)) {}

HCustomStorageLink::~HCustomStorageLink() {
    Detach();
    storage_ = nullptr;
}

void HCustomStorageLink::SetStorage(HCustomCfgStorage* storage) {
    if (storage == storage_) return;
    Detach();
    storage_ = storage;
    Attach();
}

void HCustomStorageLink::Attach() {
    if (!storage_) return;
    storage_->links_.push_back(this);
    storage_->FreeNotification(watcher_.get());
}

void HCustomStorageLink::Detach() {
    if (!storage_) return;
    HCfgLinks& links = storage_->links_;
    auto it = std::find(links.begin(), links.end(), this);
    if (it != links.end()) links.erase(it);
    storage_->RemoveFreeNotification(watcher_.get());
}

void HCustomStorageLink::Notification(TComponent* component, TOperation operation) {
    if (component == nullptr || component != storage_ || operation != TOperation::opRemove) return;
    Detach();
    storage_ = nullptr;
}

void HCustomStorageLink::Assign(const TPersistent* source) {
    if (source && source->Is<HCustomStorageLink>()) {
        const auto* link = static_cast<const HCustomStorageLink*>(source);
        SetKeyPath(link->keyPath_);
        SetStorage(link->storage_);
        return;
    }
    TPersistent::Assign(source);
}

HConfigItem* HCustomStorageLink::GetKey() const {
    HConfigItem* root = storage_ ? storage_->Root() : nullptr;
    return root ? root->SubKey(keyPath_) : nullptr;
}

HConfigItem* HCustomStorageLink::SubKey(const std::string& name) const {
    HConfigItem* key = GetKey();
    return key ? key->SubKey(name) : nullptr;
}

void HCustomStorageLink::idLoad(TObject* sender) {
    if (storage_ && OnLoad && GetKey()) OnLoad(sender);
}

void HCustomStorageLink::idSave(TObject* sender) {
    if (storage_ && OnSave && GetKey()) OnSave(sender);
}

int HCustomStorageLink::Read(const std::string& name, int def) const {
    const HConfigItem* key = GetKey();
    return key ? key->Read(name, def) : def;
}
int64_t HCustomStorageLink::Read(const std::string& name, int64_t def) const {
    const HConfigItem* key = GetKey();
    return key ? key->Read(name, def) : def;
}
bool HCustomStorageLink::Read(const std::string& name, bool def) const {
    const HConfigItem* key = GetKey();
    return key ? key->Read(name, def) : def;
}
double HCustomStorageLink::Read(const std::string& name, double def) const {
    const HConfigItem* key = GetKey();
    return key ? key->Read(name, def) : def;
}
TColor HCustomStorageLink::ReadColor(const std::string& name, TColor def) const {
    const HConfigItem* key = GetKey();
    return key ? key->ReadColor(name, def) : def;
}
const char* HCustomStorageLink::Read(const std::string& name, const char* def) const {
    const HConfigItem* key = GetKey();
    return key ? key->Read(name, def) : (def ? def : "");
}
std::string HCustomStorageLink::Read(const std::string& name, const std::string& def) const {
    const HConfigItem* key = GetKey();
    return key ? std::string(key->Read(name, def.c_str())) : def;
}

void HCustomStorageLink::Write(const std::string& name, int value) { if (HConfigItem* key = GetKey()) key->Write(name, value); }
void HCustomStorageLink::Write(const std::string& name, int64_t value) { if (HConfigItem* key = GetKey()) key->Write(name, value); }
void HCustomStorageLink::Write(const std::string& name, bool value) { if (HConfigItem* key = GetKey()) key->Write(name, value); }
void HCustomStorageLink::Write(const std::string& name, double value) { if (HConfigItem* key = GetKey()) key->Write(name, value); }
void HCustomStorageLink::WriteColor(const std::string& name, TColor value) {
    if (HConfigItem* key = GetKey()) key->WriteColor(name, value);
}
void HCustomStorageLink::Write(const std::string& name, const char* value) { if (HConfigItem* key = GetKey()) key->Write(name, value); }
std::string HCustomStorageLink::Write(const std::string& name, const std::string& value) {
    HConfigItem* key = GetKey();
    if (!key) return value;
    key->Write(name, value);
    return key->Read(name, "");
}
