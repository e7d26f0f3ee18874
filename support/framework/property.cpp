#include "property.h"

#include "object.h"

const TPropInfo* GetPropInfo(const TObject& object, const std::string& name) {
    return object.ClassType()->FindProperty(name);
}

const TPropList& GetPropList(const TObject& object) { return object.ClassType()->Properties(); }

bool IsStoredProp(const TObject& object, const TPropInfo& prop) { return !prop.IsStored || prop.IsStored(object); }

bool IsDefaultPropValue(const TObject& object, const TPropInfo& prop) {
    if (prop.IsDefault) return prop.IsDefault(object);
    switch (prop.Kind()) {
        case TTypeKind::tkInteger:
        case TTypeKind::tkChar:
        case TTypeKind::tkEnumeration:
        case TTypeKind::tkSet:
        case TTypeKind::tkInt64:
            return prop.HasDefault && prop.GetOrd(object) == prop.Default;
        case TTypeKind::tkFloat: return prop.GetFloat(object) == prop.DefaultFloat;
        case TTypeKind::tkString: return prop.GetStr(object) == prop.DefaultString;
        case TTypeKind::tkClass: return prop.GetObject(object) == nullptr;
        case TTypeKind::tkMethod: return prop.GetMethodName(object).empty();
    }
    return false;
}
