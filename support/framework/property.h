// Published properties: typed accessors found by name and enumerated in declaration order.
#pragma once
#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <typeindex>

#include "typeinfo.h"

class TObject;
class TMetaClass;
class TPropList;

struct TPropInfo {
    std::string Name;
    const TTypeInfo* PropType = nullptr;
    // The stream default: a value equal to it is not stored. Ordinals without one are always
    // stored; floats, strings, references and events default to 0, "", none and none.
    bool HasDefault = false;
    int64_t Default = 0;
    long double DefaultFloat = 0;
    std::string DefaultString;
    std::function<bool(const TObject&)> IsStored;  // empty: stored
    // Set: whether the value is the one a read without it gives, in place of the comparison
    // with Default, for defaults that depend on the object.
    std::function<bool(const TObject&)> IsDefault;

    // Accessors; which ones are set depends on the kind.
    std::function<int64_t(const TObject&)> GetOrd;  // integer, char, enumeration, set (bit mask), int64
    std::function<void(TObject&, int64_t)> SetOrd;
    std::function<long double(const TObject&)> GetFloat;
    std::function<void(TObject&, long double)> SetFloat;
    std::function<std::string(const TObject&)> GetStr;
    std::function<void(TObject&, const std::string&)> SetStr;
    std::function<TObject*(const TObject&)> GetObject;
    std::function<void(TObject&, TObject*)> SetObject;
    const TMetaClass& (*ObjectClass)() = nullptr;  // class kind: the declared class
    std::function<std::string(const TObject&)> GetMethodName;
    // Binds the event to the published method of that name of root (an empty name unbinds it);
    // false when root has none of that signature.
    std::function<bool(TObject&, const std::string&, TObject* root)> SetMethod;
    // Event kind: the handler type the bound method must have (see TPublishedMethod::Signature).
    const std::type_info* MethodSignature = nullptr;

    TTypeKind Kind() const { return PropType->Kind; }
    bool Writable() const { return SetOrd || SetFloat || SetStr || SetObject || SetMethod; }
    // Without a setter: shown, never set (a sub-object such as a font still has writable properties).
    bool ReadOnly() const { return !Writable(); }
};

// A method of a class that events can be bound to by name.
struct TPublishedMethod {
    std::string Name;
    std::type_index Signature;                        // typeid of the std::function it binds as
    std::function<std::any(TObject* self)> MakeHandler;  // returns that std::function bound to self
};

// A member of a form class that points at one of the form's components, found by its name
// when the form is read from its stored text.
struct TPublishedField {
    std::string Name;
    const TMetaClass& (*FieldClass)();  // the class the member is declared with
    // Stores component (which is of FieldClass or a descendant) in the member of self.
    std::function<void(TObject& self, TObject* component)> Set;
};

// Property access by name, for the streaming system and the designer's inspector.
const TPropInfo* GetPropInfo(const TObject& object, const std::string& name);
const TPropList& GetPropList(const TObject& object);
bool IsStoredProp(const TObject& object, const TPropInfo& prop);
// True when the property holds its default (so it is not written).
bool IsDefaultPropValue(const TObject& object, const TPropInfo& prop);
