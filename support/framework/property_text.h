// Published property values as text, for every kind of property: the text an inspector shows
// and takes. A property is named by its name or by a path through sub-objects ("Font.Color").
//
//   integers     decimal, or the identifier of an identifier-mapped type (clBtnFace, crDefault)
//   chars        the character, or #n for bytes that are no printable ASCII character
//   enumerations the name of the value (False, True for booleans)
//   sets         the element names in brackets: [akLeft, akTop]
//   floats       the shortest decimal that reads back as the same value
//   strings      the string itself
//   sub-objects  their class name in parentheses: (TFont); their properties have paths
//   references   the name of the component, "" for none; found among the owner's components
//   events       the name of the bound method, "" for none
//
// Setting a text that is no valid value raises EPropertyError naming the property and the
// text, and changes nothing. A successful set is reported to the designer hook once.
#pragma once
#include <cstdint>
#include <string>

#include "property.h"

class TObject;
class TComponent;

std::string GetPropText(const TObject& object, const std::string& path);
void SetPropText(TObject& object, const std::string& path, const std::string& text);

// The property of a path and the object that holds it (object itself or a sub-object).
struct TPropTarget {
    TObject* Instance = nullptr;
    const TPropInfo* Prop = nullptr;
};
// Raises EPropertyError when no property has that path.
TPropTarget FindPropTarget(TObject& object, const std::string& path);

// The same for a property of object's own class.
std::string GetPropText(const TObject& object, const TPropInfo& prop);
void SetPropText(TObject& object, const TPropInfo& prop, const std::string& text);

// Typed generic setters: they check nothing but read-only, set the value and report it.
void SetOrdProp(TObject& object, const TPropInfo& prop, int64_t value);
void SetFloatProp(TObject& object, const TPropInfo& prop, long double value);
void SetStrProp(TObject& object, const TPropInfo& prop, const std::string& value);
void SetObjectProp(TObject& object, const TPropInfo& prop, TObject* value);

// The text of an ordinal value of a type, and back; TextToOrd raises EConvertError.
std::string OrdToText(const TTypeInfo& type, int64_t value);
int64_t TextToOrd(const TTypeInfo& type, const std::string& text);
