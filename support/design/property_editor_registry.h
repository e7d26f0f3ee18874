// Which property editor edits a property: registered per property type, component class (or
// every class) and property name (or every name), the most specific registration first.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "property_editor.h"
#include "support/framework/object.h"

// The type of a published property as editors are registered for it. Sub-object and
// reference properties are told apart by their class; the others by kind and type name, so
// that the same type declared in two modules is one type.
struct TPropertyType {
    TTypeKind Kind = TTypeKind::tkInteger;
    std::string Name;
    TClass Class = nullptr;
};
TPropertyType PropertyTypeOf(const TPropInfo& prop);
// The type of a class's published property; raises EPropertyError when it has none of that name.
TPropertyType PropertyTypeOf(TClass componentClass, const std::string& propertyName);

// componentClass null: every class; name empty: every property of the type. Among the
// registrations that fit, a component class beats none and a nearer class a farther one,
// then a name beats none, then a nearer property class; the later of equals wins.
void RegisterPropertyEditor(const TPropertyType& type, TClass componentClass, const std::string& name,
                            TPropertyEditorFactory factory);

// The editor of that path of the objects: the registered one, else the standard one of its kind.
std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TPropertyEditorTarget target);

// The rows of an inspector: the published properties every object has, in the first
// object's order; with several objects only the editors that allow it (paMultiSelect).
std::vector<std::unique_ptr<TPropertyEditor>> GetComponentProperties(IFormDesigner* designer,
                                                                      const std::vector<TObject*>& objects);
