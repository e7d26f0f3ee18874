#include "components/config/cfg_storage.h"

#include <algorithm>

#include "components/config/storage_link.h"
#include "support/lib/paths.h"

PENDREL_IMPLEMENT_CLASS(HCustomCfgStorage)
PENDREL_IMPLEMENT_CLASS(HCfgStorage)

void HCustomCfgStorage::DeclareProperties(TClassBuilder<HCustomCfgStorage>&) {}

void HCfgStorage::DeclareProperties(TClassBuilder<HCfgStorage>& c) {
    c.Field("AutoSave", &HCfgStorage::autoSave_).Default(true);
    c.Field("AutoLoad", &HCfgStorage::autoLoad_).Default(true);
    c.Property("FileName", &HCfgStorage::GetFileName, &HCfgStorage::SetFileName);
    c.Event("OnLoad", &HCfgStorage::OnLoad);
    c.Event("OnSave", &HCfgStorage::OnSave);
}

std::string HConfigFullPath(const std::string& fileName) {
    if (fileName.empty() || IsAbsolutePath(fileName)) return fileName;
    return GetStartupDir() + fileName;
}

HCustomCfgStorage::HCustomCfgStorage(TComponent* owner) : TComponent(owner) {
    tree_ = HConfigCreate();
    root_ = tree_->Root();
}

HCustomCfgStorage::~HCustomCfgStorage() {
    while (!links_.empty()) links_.front()->SetStorage(nullptr);
    HConfigDestroy(tree_);
    tree_ = nullptr;
    root_ = nullptr;
}

void HCustomCfgStorage::SetFileName(const std::string& value) {
    if (value == fileName_) return;
    fileName_ = value;
    fullPath_ = HConfigFullPath(value);
    if (!fileName_.empty() && autoLoad_) Load();
}

bool HCustomCfgStorage::CanUseFile() const { return !Designing() && tree_ && !fileName_.empty(); }

bool HCustomCfgStorage::Load() {
    if (!CanUseFile() || !tree_->Load(fullPath_)) return false;
    idLoad();
    return true;
}

bool HCustomCfgStorage::Save() {
    if (!CanUseFile()) return false;
    idSave();
    return tree_->Save(fullPath_);
}

// A handler may detach or destroy links; only those still attached are served.
void HCustomCfgStorage::idLoad() {
    OnLoad(this);
    for (HCustomStorageLink* link : HCfgLinks(links_))
        if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->idLoad(this);
}

void HCustomCfgStorage::idSave() {
    OnSave(this);
    for (HCustomStorageLink* link : HCfgLinks(links_))
        if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->idSave(this);
}

bool HCustomCfgStorage::Read(const std::string& name, bool def) const { return root_ ? root_->Read(name, def) : def; }
int64_t HCustomCfgStorage::Read(const std::string& name, int64_t def) const { return root_ ? root_->Read(name, def) : def; }
int HCustomCfgStorage::Read(const std::string& name, int def) const { return root_ ? root_->Read(name, def) : def; }
double HCustomCfgStorage::Read(const std::string& name, double def) const { return root_ ? root_->Read(name, def) : def; }
TColor HCustomCfgStorage::ReadColor(const std::string& name, TColor def) const { return root_ ? root_->ReadColor(name, def) : def; }
const char* HCustomCfgStorage::Read(const std::string& name, const char* def) const {
    return root_ ? root_->Read(name, def) : (def ? def : "");
}
std::string HCustomCfgStorage::Read(const std::string& name, const std::string& def) const {
    return root_ ? std::string(root_->Read(name, def.c_str())) : def;
}

void HCustomCfgStorage::Write(const std::string& name, bool value) { if (root_) root_->Write(name, value); }
void HCustomCfgStorage::Write(const std::string& name, int64_t value) { if (root_) root_->Write(name, value); }
void HCustomCfgStorage::Write(const std::string& name, int value) { if (root_) root_->Write(name, value); }
void HCustomCfgStorage::Write(const std::string& name, double value) { if (root_) root_->Write(name, value); }
void HCustomCfgStorage::WriteColor(const std::string& name, TColor value) { if (root_) root_->WriteColor(name, value); }
void HCustomCfgStorage::Write(const std::string& name, const char* value) { if (root_) root_->Write(name, value); }
void HCustomCfgStorage::Write(const std::string& name, const std::string& value) { if (root_) root_->Write(name, value); }

HConfigItem* HCustomCfgStorage::SubKey(const std::string& name) { return root_ ? root_->SubKey(name) : nullptr; }
