#include "layout_positions.h"

#include <algorithm>
#include <cstdint>

#include "runtime/settings/runtime_settings.h"
#include "support/lib/config/config_item.h"
#include "support/lib/format.h"
#include "support/lib/text_compare.h"

namespace {
std::string SlotName(int index) { return Message(kFormsItemFormat, index); }

HConfigItem& NewEntry(HConfigItem& forms, const std::string& path) {
    const int index = forms.Read(kFormsIndex, 0);
    // A damaged negative index must not name a slot outside the ring.
    const int slot = ((index % kFormsSlots) + kFormsSlots) % kFormsSlots;
    // A damaged index at the largest integer goes on from its slot instead of overflowing.
    forms.Write(kFormsIndex, index < INT32_MAX ? index + 1 : slot + 1);
    HConfigItem& entry = *forms.SubKey(SlotName(slot));
    entry.Write(kFormsItemName, LayoutEntryName(path));
    return entry;
}
}  // namespace

std::string LayoutEntryName(const std::string& path) {
    std::string name = path;
    std::replace_if(name.begin(), name.end(), [](char c) { return c == '\\' || c == '/' || c == ':'; }, '_');
    return name;
}

HConfigItem* FindLayoutEntry(HConfigItem& forms, const std::string& path) {
    const std::string name = LayoutEntryName(path);
    for (int i = 0; i < kFormsSlots; ++i) {
        HConfigItem* entry = forms.FindSubKey(SlotName(i));
        if (entry && StrCmp(entry->Read(kFormsItemName, ""), name.c_str(), -1, false) == 0) return entry;
    }
    return nullptr;
}

std::optional<TPoint> RememberedLayoutPosition(HConfigItem& forms, const std::string& path, TPoint current) {
    const HConfigItem* entry = FindLayoutEntry(forms, path);
    if (!entry) return std::nullopt;
    return TPoint{entry->Read(kFormsItemLeft, current.X), entry->Read(kFormsItemTop, current.Y)};
}

void RememberLayoutPosition(HConfigItem& forms, const std::string& path, TPoint position) {
    HConfigItem* entry = FindLayoutEntry(forms, path);
    HConfigItem& target = entry ? *entry : NewEntry(forms, path);
    target.Write(kFormsItemLeft, position.X);
    target.Write(kFormsItemTop, position.Y);
}
