// One key of a configuration tree: typed named values and named sub-keys.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "support/framework/graphics.h"

enum class HConfigKind { Boolean, Int64, Integer, Double, Color, String };

struct HConfigValue {
    HConfigKind Kind = HConfigKind::Integer;
    int64_t Number = 0;  // Boolean (0 or 1), Int64, Integer and Color (its 32 bits)
    double Real = 0;
    std::string Text;
};

// Names are compared exactly (case-sensitive) and never split: "a/b" is one name.
// A value is read back with the kind it was written with; a reader of another kind gives its
// default, except that integer readers take Booleans as 0 and 1 and the 64-bit reader widens
// integers. Colours are a kind of their own, since TColor is an integer type.
class HConfigItem {
public:
    HConfigItem() = default;
    HConfigItem(const HConfigItem&) = delete;
    HConfigItem& operator=(const HConfigItem&) = delete;
    HConfigItem(HConfigItem&&) = default;
    HConfigItem& operator=(HConfigItem&&) = default;

    bool Read(const std::string& name, bool def) const;
    int64_t Read(const std::string& name, int64_t def) const;
    int Read(const std::string& name, int def) const;
    double Read(const std::string& name, double def) const;
    TColor ReadColor(const std::string& name, TColor def) const;
    // The stored text, or def (null counts as ""); valid until the value is changed.
    const char* Read(const std::string& name, const char* def) const;

    void Write(const std::string& name, bool value);
    void Write(const std::string& name, int64_t value);
    void Write(const std::string& name, int value);
    void Write(const std::string& name, double value);
    void WriteColor(const std::string& name, TColor value);
    void Write(const std::string& name, const char* value);
    void Write(const std::string& name, const std::string& value);

    // The sub-key of that name, created empty when missing. Never null.
    HConfigItem* SubKey(const std::string& name);
    // The sub-key of that name, or null; creates nothing.
    HConfigItem* FindSubKey(const std::string& name) const;

    using Values = std::map<std::string, HConfigValue>;
    using SubKeys = std::map<std::string, std::unique_ptr<HConfigItem>>;
    const Values& AllValues() const { return values_; }
    const SubKeys& AllSubKeys() const { return subKeys_; }
    void SetValue(const std::string& name, HConfigValue value) { values_[name] = std::move(value); }
    bool Empty() const { return values_.empty() && subKeys_.empty(); }

    // Takes source's values in place of its own, recursively. Sub-keys this key already has stay
    // the same objects, so pointers to them stay valid; those source lacks are left empty.
    void ReplaceContents(HConfigItem&& source);

private:
    const HConfigValue* Find(const std::string& name, HConfigKind kind) const;
    void ClearValues();

    Values values_;
    SubKeys subKeys_;
};
