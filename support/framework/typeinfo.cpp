#include "typeinfo.h"

bool IntToIdent(int64_t value, std::string& ident, const TIdentMap& map) {
    for (const auto& entry : map)
        if (entry.Value == value) {
            ident = entry.Name;
            return true;
        }
    return false;
}

bool IdentToInt(const std::string& ident, int64_t& value, const TIdentMap& map) {
    for (const auto& entry : map)
        if (SameText(ident, entry.Name)) {
            value = entry.Value;
            return true;
        }
    return false;
}

TTypeInfo MakeEnumTypeInfo(const std::string& name, std::vector<std::string> names) {
    TTypeInfo info{TTypeKind::tkEnumeration, name};
    info.OrdType = TOrdType::otUByte;
    info.MinValue = 0;
    info.MaxValue = static_cast<int64_t>(names.size()) - 1;
    info.EnumNames = std::move(names);
    return info;
}

TTypeInfo MakeSetTypeInfo(const std::string& name, const TTypeInfo& element) {
    TTypeInfo info{TTypeKind::tkSet, name};
    info.CompType = &element;
    return info;
}

TTypeInfo MakeIntegerTypeInfo(const std::string& name, TOrdType ordType, const TIdentMap* idents) {
    TTypeInfo info{TTypeKind::tkInteger, name, ordType};
    switch (ordType) {
        case TOrdType::otSByte: info.MinValue = INT8_MIN, info.MaxValue = INT8_MAX; break;
        case TOrdType::otUByte: info.MinValue = 0, info.MaxValue = UINT8_MAX; break;
        case TOrdType::otSWord: info.MinValue = INT16_MIN, info.MaxValue = INT16_MAX; break;
        case TOrdType::otUWord: info.MinValue = 0, info.MaxValue = UINT16_MAX; break;
        case TOrdType::otSLong: info.MinValue = INT32_MIN, info.MaxValue = INT32_MAX; break;
        case TOrdType::otULong: info.MinValue = 0, info.MaxValue = UINT32_MAX; break;
    }
    info.Idents = idents;
    return info;
}

std::string GetEnumName(const TTypeInfo& type, int64_t value) {
    if (value < 0 || value >= static_cast<int64_t>(type.EnumNames.size())) return "";
    return type.EnumNames[static_cast<size_t>(value)];
}

int64_t GetEnumValue(const TTypeInfo& type, const std::string& name) {
    for (size_t i = 0; i < type.EnumNames.size(); ++i)
        if (SameText(type.EnumNames[i], name)) return static_cast<int64_t>(i);
    return -1;
}

std::vector<std::string> SetToNames(const TTypeInfo& setType, int64_t bits) {
    std::vector<std::string> names;
    const std::vector<std::string>& elements = setType.CompType->EnumNames;
    for (size_t bit = 0; bit < elements.size() && bit < kMaxSetElements; ++bit)
        if (bits & (int64_t(1) << bit)) names.push_back(elements[bit]);
    return names;
}

std::optional<int64_t> NamesToSet(const TTypeInfo& setType, const std::vector<std::string>& names,
                                  std::string* unknown) {
    int64_t bits = 0;
    for (const std::string& name : names) {
        const int64_t value = GetEnumValue(*setType.CompType, name);
        if (value < 0 || value >= kMaxSetElements) {
            if (unknown) *unknown = name;
            return std::nullopt;
        }
        bits |= int64_t(1) << value;
    }
    return bits;
}
