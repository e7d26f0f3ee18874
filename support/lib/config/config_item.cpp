#include "support/lib/config/config_item.h"

namespace {
HConfigValue Number(HConfigKind kind, int64_t number) {
    HConfigValue value;
    value.Kind = kind;
    value.Number = number;
    return value;
}
}  // namespace

const HConfigValue* HConfigItem::Find(const std::string& name, HConfigKind kind) const {
    auto it = values_.find(name);
    return it != values_.end() && it->second.Kind == kind ? &it->second : nullptr;
}

bool HConfigItem::Read(const std::string& name, bool def) const {
    const HConfigValue* value = Find(name, HConfigKind::Boolean);
    return value ? value->Number != 0 : def;
}

int64_t HConfigItem::Read(const std::string& name, int64_t def) const {
    if (const HConfigValue* value = Find(name, HConfigKind::Int64)) return value->Number;
    if (const HConfigValue* value = Find(name, HConfigKind::Integer)) return value->Number;
    if (const HConfigValue* value = Find(name, HConfigKind::Boolean)) return value->Number;
    return def;
}

int HConfigItem::Read(const std::string& name, int def) const {
    if (const HConfigValue* value = Find(name, HConfigKind::Integer)) return static_cast<int>(value->Number);
    if (const HConfigValue* value = Find(name, HConfigKind::Boolean)) return static_cast<int>(value->Number);
    return def;
}

double HConfigItem::Read(const std::string& name, double def) const {
    const HConfigValue* value = Find(name, HConfigKind::Double);
    return value ? value->Real : def;
}

TColor HConfigItem::ReadColor(const std::string& name, TColor def) const {
    const HConfigValue* value = Find(name, HConfigKind::Color);
    return value ? static_cast<TColor>(static_cast<uint32_t>(value->Number)) : def;
}

const char* HConfigItem::Read(const std::string& name, const char* def) const {
    const HConfigValue* value = Find(name, HConfigKind::String);
    return value ? value->Text.c_str() : (def ? def : "");
}

void HConfigItem::Write(const std::string& name, bool value) { values_[name] = Number(HConfigKind::Boolean, value ? 1 : 0); }

void HConfigItem::Write(const std::string& name, int64_t value) { values_[name] = Number(HConfigKind::Int64, value); }

void HConfigItem::Write(const std::string& name, int value) { values_[name] = Number(HConfigKind::Integer, value); }

void HConfigItem::Write(const std::string& name, double value) {
    HConfigValue stored;
    stored.Kind = HConfigKind::Double;
    stored.Real = value;
    values_[name] = std::move(stored);
}

void HConfigItem::WriteColor(const std::string& name, TColor value) {
    values_[name] = Number(HConfigKind::Color, static_cast<uint32_t>(value));
}

void HConfigItem::Write(const std::string& name, const char* value) { Write(name, std::string(value ? value : "")); }

void HConfigItem::Write(const std::string& name, const std::string& value) {
    HConfigValue stored;
    stored.Kind = HConfigKind::String;
    stored.Text = value;
    values_[name] = std::move(stored);
}

HConfigItem* HConfigItem::SubKey(const std::string& name) {
    std::unique_ptr<HConfigItem>& key = subKeys_[name];
    if (!key) key = std::make_unique<HConfigItem>();
    return key.get();
}

HConfigItem* HConfigItem::FindSubKey(const std::string& name) const {
    auto it = subKeys_.find(name);
    return it != subKeys_.end() ? it->second.get() : nullptr;
}

void HConfigItem::ClearValues() {
    values_.clear();
    for (auto& [name, key] : subKeys_) key->ClearValues();
}

void HConfigItem::ReplaceContents(HConfigItem&& source) {
    for (auto& [name, key] : subKeys_)
        if (!source.FindSubKey(name)) key->ClearValues();
    values_ = std::move(source.values_);
    for (auto& [name, key] : source.subKeys_) {
        std::unique_ptr<HConfigItem>& mine = subKeys_[name];
        if (mine)
            mine->ReplaceContents(std::move(*key));
        else
            mine = std::move(key);
    }
    source.subKeys_.clear();
}
