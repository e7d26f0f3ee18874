// Run-time type information of published property types.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text_case.h"

class TMetaClass;

// 8-bit text in the process code page (UTF-8 in these programs).
using AnsiString = std::string;

enum class TTypeKind { tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod, tkInt64 };
enum class TOrdType { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum class TFloatType { ftSingle, ftDouble, ftExtended, ftCurr };

// Integer values written as identifiers (clBtnFace, crDefault, RUSSIAN_CHARSET).
struct TIdentMapEntry {
    int64_t Value;
    const char* Name;
};
using TIdentMap = std::vector<TIdentMapEntry>;

bool IntToIdent(int64_t value, std::string& ident, const TIdentMap& map);
bool IdentToInt(const std::string& ident, int64_t& value, const TIdentMap& map);

struct TTypeInfo {
    TTypeKind Kind;
    std::string Name;
    TOrdType OrdType = TOrdType::otSLong;
    int64_t MinValue = INT32_MIN;
    int64_t MaxValue = INT32_MAX;
    std::vector<std::string> EnumNames;   // tkEnumeration: the name of each value
    const TTypeInfo* CompType = nullptr;  // tkSet: the element enumeration
    TFloatType FloatType = TFloatType::ftExtended;
    const TMetaClass* ClassType = nullptr;  // tkClass
    const TIdentMap* Idents = nullptr;      // tkInteger: optional identifier names
};

// Builds the type information of an enumeration; values are 0, 1, 2 ... in name order.
TTypeInfo MakeEnumTypeInfo(const std::string& name, std::vector<std::string> names);
TTypeInfo MakeSetTypeInfo(const std::string& name, const TTypeInfo& element);
TTypeInfo MakeIntegerTypeInfo(const std::string& name, TOrdType ordType, const TIdentMap* idents = nullptr);

// The enumeration name of a value, "" when out of range; -1 when the name is unknown (case-insensitive).
std::string GetEnumName(const TTypeInfo& type, int64_t value);
int64_t GetEnumValue(const TTypeInfo& type, const std::string& name);

// Sets hold up to 32 elements, bit n for element n.
constexpr int64_t kMaxSetElements = 32;
// The element names of the bits set, in element order.
std::vector<std::string> SetToNames(const TTypeInfo& setType, int64_t bits);
// The bits of the named elements; nothing when a name is no element (given in unknown).
std::optional<int64_t> NamesToSet(const TTypeInfo& setType, const std::vector<std::string>& names,
                                  std::string* unknown = nullptr);


// Type information of the built-in types, found by the C++ type of a property.
template <class T>
struct TTypeInfoOf;

#define PENDREL_TYPEINFO(CppType, expr)                                        \
    template <>                                                                \
    struct TTypeInfoOf<CppType> {                                              \
        static const TTypeInfo& Get() {                                        \
            static const TTypeInfo info = expr;                                \
            return info;                                                       \
        }                                                                      \
    }

// Declares an enumeration type's names, in value order, next to the enumeration.
#define PENDREL_ENUM_TYPEINFO(Enum, ...) PENDREL_TYPEINFO(Enum, MakeEnumTypeInfo(#Enum, {__VA_ARGS__}))

PENDREL_TYPEINFO(int32_t, MakeIntegerTypeInfo("Integer", TOrdType::otSLong));
PENDREL_TYPEINFO(uint32_t, MakeIntegerTypeInfo("Cardinal", TOrdType::otULong));
PENDREL_TYPEINFO(int16_t, MakeIntegerTypeInfo("SmallInt", TOrdType::otSWord));
PENDREL_TYPEINFO(uint16_t, MakeIntegerTypeInfo("Word", TOrdType::otUWord));
PENDREL_TYPEINFO(int8_t, MakeIntegerTypeInfo("ShortInt", TOrdType::otSByte));
PENDREL_TYPEINFO(uint8_t, MakeIntegerTypeInfo("Byte", TOrdType::otUByte));
PENDREL_TYPEINFO(bool, MakeEnumTypeInfo("Boolean", {"False", "True"}));
PENDREL_TYPEINFO(char, (TTypeInfo{TTypeKind::tkChar, "Char", TOrdType::otUByte, 0, 255}));
PENDREL_TYPEINFO(int64_t, (TTypeInfo{TTypeKind::tkInt64, "Int64", TOrdType::otSLong, INT64_MIN, INT64_MAX}));
PENDREL_TYPEINFO(std::string, (TTypeInfo{TTypeKind::tkString, "AnsiString"}));
PENDREL_TYPEINFO(double, (TTypeInfo{TTypeKind::tkFloat, "Double", TOrdType::otSLong, 0, 0, {}, nullptr, TFloatType::ftDouble}));
PENDREL_TYPEINFO(float, (TTypeInfo{TTypeKind::tkFloat, "Single", TOrdType::otSLong, 0, 0, {}, nullptr, TFloatType::ftSingle}));
PENDREL_TYPEINFO(long double, (TTypeInfo{TTypeKind::tkFloat, "Extended", TOrdType::otSLong, 0, 0, {}, nullptr, TFloatType::ftExtended}));
