#include "property_text.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "component.h"
#include "exceptions.h"
#include "float_text.h"
#include "object.h"
#include "parser.h"
#include "persistent.h"
#include "stream.h"

namespace {
std::string Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

[[noreturn]] void Invalid(const TPropInfo& prop, const std::string& text, const std::string& why = "") {
    throw EPropertyError("'" + text + "' is not a valid value of " + prop.Name + (why.empty() ? "" : ": " + why));
}

void CheckWritable(const TPropInfo& prop) {
    if (prop.ReadOnly()) throw EPropertyError(prop.Name + " is read-only");
}

// The one token of a text, through the object text tokenizer: numbers read as they do in layouts.
std::optional<TParser> SingleNumber(const std::string& text, bool& negative) {
    TConstMemoryStream stream(text.data(), static_cast<int64_t>(text.size()));
    std::optional<TParser> parser;
    try {
        parser.emplace(stream);
        negative = parser->Token() == '-';
        if (negative) parser->NextToken();
        if (parser->Token() != toInteger && parser->Token() != toFloat) return std::nullopt;
        const TParser copy = *parser;
        if (parser->NextToken() != toEOF) return std::nullopt;
        parser.emplace(copy);
    } catch (const EParserError&) {
        return std::nullopt;
    }
    return parser;
}

std::optional<int64_t> ParseInteger(const std::string& text) {
    bool negative = false;
    std::optional<TParser> number = SingleNumber(text, negative);
    if (!number || number->Token() != toInteger) return std::nullopt;
    try {
        return negative ? number->TokenNegatedInt() : number->TokenInt();
    } catch (const EParserError&) {
        return std::nullopt;
    }
}

std::string CharText(int64_t value) {
    if (value >= 0x20 && value < 0x7F) return std::string(1, static_cast<char>(value));
    return "#" + std::to_string(value);
}

std::optional<int64_t> ParseChar(const std::string& text) {
    if (text.size() == 1) return static_cast<unsigned char>(text[0]);
    if (text.size() < 2 || text[0] != '#') return std::nullopt;
    const std::optional<int64_t> code = ParseInteger(text.substr(1));
    if (!code || *code < 0 || *code > 255) return std::nullopt;
    return code;
}

std::string SetText(const TTypeInfo& type, int64_t bits) {
    std::string text = "[";
    for (const std::string& name : SetToNames(type, bits)) text += (text.size() > 1 ? ", " : "") + name;
    return text + "]";
}

std::optional<int64_t> ParseSet(const TTypeInfo& type, std::string text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '[') {
        if (text.back() != ']') return std::nullopt;
        text = text.substr(1, text.size() - 2);
    }
    std::vector<std::string> names;
    for (size_t start = 0; start <= text.size();) {
        const size_t comma = text.find(',', start);
        const std::string name = Trimmed(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!name.empty()) names.push_back(name);
        else if (comma != std::string::npos) return std::nullopt;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return NamesToSet(type, names);
}

std::string FloatText(const TPropInfo& prop, long double value) {
    switch (prop.PropType->FloatType) {
        case TFloatType::ftSingle: return DecimalText(static_cast<float>(value));
        case TFloatType::ftDouble: return DecimalText(static_cast<double>(value));
        default: return DecimalText(value);
    }
}

long double ParseFloat(const TPropInfo& prop, const std::string& text) {
    bool negative = false;
    std::optional<TParser> number = SingleNumber(Trimmed(text), negative);
    if (!number) Invalid(prop, text, "a number is expected");
    long double value = 0;
    try {
        switch (prop.PropType->FloatType) {
            case TFloatType::ftSingle: value = number->TokenSingle(); break;
            case TFloatType::ftDouble: value = number->TokenDouble(); break;
            default: value = number->TokenFloat(); break;
        }
    } catch (const EParserError&) {
        Invalid(prop, text, "out of range");
    }
    if (prop.PropType->FloatType == TFloatType::ftCurr) value = std::round(value * 10000) / 10000;
    return negative ? -value : value;
}

// References name components of the same owner, or of an owner further up.
TComponent* FindReferenced(const TObject& object, const std::string& name) {
    const auto* component = dynamic_cast<const TComponent*>(&object);
    for (const TComponent* owner = component ? component->Owner() : nullptr; owner; owner = owner->Owner()) {
        if (SameText(owner->GetName(), name)) return const_cast<TComponent*>(owner);
        if (TComponent* found = owner->FindComponent(name)) return found;
    }
    return nullptr;
}

std::string ObjectText(const TObject& object, const TPropInfo& prop) {
    const TObject* value = prop.GetObject(object);
    if (!value) return "";
    if (const auto* component = dynamic_cast<const TComponent*>(value)) return component->GetName();
    return "(" + value->ClassName() + ")";
}

void SetObjectText(TObject& object, const TPropInfo& prop, const std::string& text) {
    if (!prop.ObjectClass || !prop.ObjectClass().InheritsFrom(&TComponent::StaticClass()))
        throw EPropertyError(prop.Name + " is set through its own properties");
    const std::string name = Trimmed(text);
    if (name.empty()) return prop.SetObject(object, nullptr);
    TComponent* target = FindReferenced(object, name);
    if (!target) Invalid(prop, text, "there is no component of that name");
    if (!target->InheritsFrom(&prop.ObjectClass())) Invalid(prop, text, target->ClassName() + " is no " + prop.ObjectClass().ClassName());
    prop.SetObject(object, target);
}

// Events bind to a published method of the owner that has one of that name, nearest first.
void SetMethodText(TObject& object, const TPropInfo& prop, const std::string& text) {
    const std::string name = Trimmed(text);
    if (name.empty()) {
        prop.SetMethod(object, "", nullptr);
        return;
    }
    const auto* component = dynamic_cast<const TComponent*>(&object);
    for (TComponent* owner = component ? component->Owner() : nullptr; owner; owner = owner->Owner())
        if (prop.SetMethod(object, name, owner)) return;
    Invalid(prop, text, "there is no method of that name");
}

void SetOrdText(TObject& object, const TPropInfo& prop, const std::string& text) {
    try {
        prop.SetOrd(object, TextToOrd(*prop.PropType, text));
    } catch (const EPropertyError&) {
        throw;
    } catch (const EConvertError& e) {
        Invalid(prop, text, e.Message);
    }
}

void ReportChange(TObject& object, const std::string& path) {
    if (auto* component = dynamic_cast<TComponent*>(&object)) component->PropertyChanged(path);
}

// Runs a setter with the setters' own reports muted, then reports the change once.
template <class Set>
void SetAndReport(TObject& object, const std::string& path, Set set) {
    {
        const TPropertyReportsMuted muted;
        set();
    }
    ReportChange(object, path);
}
}  // namespace

std::string OrdToText(const TTypeInfo& type, int64_t value) {
    std::string ident;
    switch (type.Kind) {
        case TTypeKind::tkChar: return CharText(value);
        case TTypeKind::tkEnumeration: return GetEnumName(type, value);
        case TTypeKind::tkSet: return SetText(type, value);
        default:
            if (type.Idents && IntToIdent(value, ident, *type.Idents)) return ident;
            return std::to_string(value);
    }
}

int64_t TextToOrd(const TTypeInfo& type, const std::string& text) {
    const std::string trimmed = Trimmed(text);
    switch (type.Kind) {
        case TTypeKind::tkChar:
            if (const std::optional<int64_t> code = ParseChar(text)) return *code;
            throw EConvertError("one character or #0 to #255 is expected");
        case TTypeKind::tkEnumeration: {
            const int64_t value = GetEnumValue(type, trimmed);
            if (value < 0) throw EConvertError("it is none of the names of " + type.Name);
            return value;
        }
        case TTypeKind::tkSet:
            if (const std::optional<int64_t> bits = ParseSet(type, text)) return *bits;
            throw EConvertError("a list of the names of " + type.CompType->Name + " is expected");
        default: {
            int64_t value = 0;
            if (type.Idents && IdentToInt(trimmed, value, *type.Idents)) return value;
            const std::optional<int64_t> number = ParseInteger(trimmed);
            if (!number) throw EConvertError(type.Idents ? "a number or a name is expected" : "a whole number is expected");
            if (*number < type.MinValue || *number > type.MaxValue)
                throw EConvertError("out of range (" + std::to_string(type.MinValue) + " to " + std::to_string(type.MaxValue) + ")");
            return *number;
        }
    }
}

std::string GetPropText(const TObject& object, const TPropInfo& prop) {
    switch (prop.Kind()) {
        case TTypeKind::tkInteger:
        case TTypeKind::tkChar:
        case TTypeKind::tkEnumeration:
        case TTypeKind::tkSet:
        case TTypeKind::tkInt64: return OrdToText(*prop.PropType, prop.GetOrd(object));
        case TTypeKind::tkFloat: return FloatText(prop, prop.GetFloat(object));
        case TTypeKind::tkString: return prop.GetStr(object);
        case TTypeKind::tkClass: return ObjectText(object, prop);
        case TTypeKind::tkMethod: return prop.GetMethodName(object);
    }
    return "";
}

void SetPropText(TObject& object, const TPropInfo& prop, const std::string& text) {
    SetAndReport(object, prop.Name, [&] {
        CheckWritable(prop);
        switch (prop.Kind()) {
            case TTypeKind::tkInteger:
            case TTypeKind::tkChar:
            case TTypeKind::tkEnumeration:
            case TTypeKind::tkSet:
            case TTypeKind::tkInt64: SetOrdText(object, prop, text); break;
            case TTypeKind::tkFloat: prop.SetFloat(object, ParseFloat(prop, text)); break;
            case TTypeKind::tkString: prop.SetStr(object, text); break;
            case TTypeKind::tkClass: SetObjectText(object, prop, text); break;
            case TTypeKind::tkMethod: SetMethodText(object, prop, text); break;
        }
    });
}

TPropTarget FindPropTarget(TObject& object, const std::string& path) {
    TObject* instance = &object;
    size_t start = 0;
    for (size_t dot; (dot = path.find('.', start)) != std::string::npos; start = dot + 1) {
        const TPropInfo* prop = instance->ClassType()->FindProperty(path.substr(start, dot - start));
        TObject* nested = prop && prop->Kind() == TTypeKind::tkClass ? prop->GetObject(*instance) : nullptr;
        if (!nested || dynamic_cast<TComponent*>(nested)) throw EPropertyError(object.ClassName() + " has no property " + path);
        instance = nested;
    }
    const TPropInfo* prop = instance->ClassType()->FindProperty(path.substr(start));
    if (!prop) throw EPropertyError(object.ClassName() + " has no property " + path);
    return {instance, prop};
}

std::string GetPropText(const TObject& object, const std::string& path) {
    const TPropTarget target = FindPropTarget(const_cast<TObject&>(object), path);
    return GetPropText(*target.Instance, *target.Prop);
}

void SetPropText(TObject& object, const std::string& path, const std::string& text) {
    const TPropTarget target = FindPropTarget(object, path);
    if (target.Instance == &object) return SetPropText(object, *target.Prop, text);
    SetAndReport(object, path, [&] {
        try {
            SetPropText(*target.Instance, *target.Prop, text);
        } catch (const EPropertyError& e) {
            // The message names the whole path, as the user knows the property.
            std::string message = e.Message;
            if (const size_t at = message.find(target.Prop->Name); at != std::string::npos)
                message.replace(at, target.Prop->Name.size(), path);
            throw EPropertyError(message);
        }
    });
}

void SetOrdProp(TObject& object, const TPropInfo& prop, int64_t value) {
    CheckWritable(prop);
    SetAndReport(object, prop.Name, [&] { prop.SetOrd(object, value); });
}

void SetFloatProp(TObject& object, const TPropInfo& prop, long double value) {
    CheckWritable(prop);
    SetAndReport(object, prop.Name, [&] { prop.SetFloat(object, value); });
}

void SetStrProp(TObject& object, const TPropInfo& prop, const std::string& value) {
    CheckWritable(prop);
    SetAndReport(object, prop.Name, [&] { prop.SetStr(object, value); });
}

void SetObjectProp(TObject& object, const TPropInfo& prop, TObject* value) {
    CheckWritable(prop);
    SetAndReport(object, prop.Name, [&] { prop.SetObject(object, value); });
}
