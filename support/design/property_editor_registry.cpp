#include "property_editor_registry.h"

#include <tuple>

#include "standard_property_editors.h"
#include "support/framework/component.h"
#include "support/framework/exceptions.h"
#include "support/framework/graphics.h"
#include "support/framework/property_text.h"
#include "support/framework/text_case.h"

namespace {
struct TRegistration {
    TPropertyType Type;
    TClass ComponentClass;
    std::string Name;
    TPropertyEditorFactory Factory;
};

int Depth(TClass cls) {
    int depth = 0;
    for (; cls; cls = cls->ClassParent()) ++depth;
    return depth;
}

bool TypeFits(const TPropertyType& registered, const TPropertyType& type) {
    if (registered.Kind != type.Kind) return false;
    if (type.Kind == TTypeKind::tkClass) return registered.Class && type.Class && type.Class->InheritsFrom(registered.Class);
    return SameText(registered.Name, type.Name);
}

void RegisterStandardEditors(std::vector<TRegistration>& list) {
    const TPropertyType string{TTypeKind::tkString, TTypeInfoOf<std::string>::Get().Name};
    list.push_back({string, nullptr, "Caption", PropertyEditorFactory<TCaptionProperty>()});
    list.push_back({string, nullptr, "Text", PropertyEditorFactory<TCaptionProperty>()});
    list.push_back({string, &TComponent::StaticClass(), "Name", PropertyEditorFactory<TComponentNameProperty>()});
    list.push_back({{TTypeKind::tkInteger, ColorTypeInfo().Name}, nullptr, "", PropertyEditorFactory<TColorProperty>()});
    list.push_back({{TTypeKind::tkClass, "", &TFont::StaticClass()}, nullptr, "", PropertyEditorFactory<TFontProperty>()});
}

std::vector<TRegistration>& Registrations() {
    static std::vector<TRegistration> list = [] {
        std::vector<TRegistration> standard;
        RegisterStandardEditors(standard);
        return standard;
    }();
    return list;
}

std::unique_ptr<TPropertyEditor> StandardEditor(TPropertyEditorTarget target, const TPropInfo& prop) {
    switch (prop.Kind()) {
        case TTypeKind::tkInteger: return std::make_unique<TIntegerProperty>(std::move(target));
        case TTypeKind::tkChar: return std::make_unique<TCharProperty>(std::move(target));
        case TTypeKind::tkEnumeration: return std::make_unique<TEnumProperty>(std::move(target));
        case TTypeKind::tkFloat: return std::make_unique<TFloatProperty>(std::move(target));
        case TTypeKind::tkString: return std::make_unique<TStringProperty>(std::move(target));
        case TTypeKind::tkSet: return std::make_unique<TSetProperty>(std::move(target));
        case TTypeKind::tkMethod: return std::make_unique<TMethodProperty>(std::move(target));
        case TTypeKind::tkInt64: return std::make_unique<TInt64Property>(std::move(target));
        case TTypeKind::tkClass:
            if (prop.ObjectClass && prop.ObjectClass().InheritsFrom(&TComponent::StaticClass()))
                return std::make_unique<TComponentProperty>(std::move(target));
            return std::make_unique<TClassProperty>(std::move(target));
    }
    return std::make_unique<TPropertyEditor>(std::move(target));
}

// The classes whose published property it is: the holders of the path on every object.
std::vector<TClass> HolderClasses(const TPropertyEditorTarget& target) {
    std::vector<TClass> classes;
    for (TObject* object : target.Objects) classes.push_back(FindPropTarget(*object, target.Path).Instance->ClassType());
    return classes;
}

bool SameProperty(const TPropInfo& a, const TPropInfo& b) {
    const TPropertyType ta = PropertyTypeOf(a), tb = PropertyTypeOf(b);
    return SameText(a.Name, b.Name) && ta.Kind == tb.Kind && SameText(ta.Name, tb.Name) && ta.Class == tb.Class;
}
}  // namespace

TPropertyType PropertyTypeOf(const TPropInfo& prop) {
    if (prop.Kind() == TTypeKind::tkClass) return {TTypeKind::tkClass, "", prop.ObjectClass ? &prop.ObjectClass() : nullptr};
    return {prop.Kind(), prop.PropType->Name};
}

TPropertyType PropertyTypeOf(TClass componentClass, const std::string& propertyName) {
    const TPropInfo* prop = componentClass->FindProperty(propertyName);
    if (!prop) throw EPropertyError(componentClass->ClassName() + " has no property " + propertyName);
    return PropertyTypeOf(*prop);
}

void RegisterPropertyEditor(const TPropertyType& type, TClass componentClass, const std::string& name,
                            TPropertyEditorFactory factory) {
    Registrations().push_back({type, componentClass, name, std::move(factory)});
}

std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TPropertyEditorTarget target) {
    if (target.Objects.empty()) throw EPropertyError("A property editor needs an object");
    const TPropInfo& prop = *FindPropTarget(*target.Objects.front(), target.Path).Prop;
    const TPropertyType type = PropertyTypeOf(prop);
    const std::vector<TClass> holders = HolderClasses(target);
    const TRegistration* best = nullptr;
    std::tuple<int, int, int> bestRank{-1, -1, -1};
    for (const TRegistration& entry : Registrations()) {
        if (!TypeFits(entry.Type, type) || (!entry.Name.empty() && !SameText(entry.Name, prop.Name))) continue;
        bool classFits = true;
        for (TClass holder : holders) classFits = classFits && (!entry.ComponentClass || holder->InheritsFrom(entry.ComponentClass));
        if (!classFits) continue;
        const std::tuple<int, int, int> rank{Depth(entry.ComponentClass), entry.Name.empty() ? 0 : 1, Depth(entry.Type.Class)};
        if (rank >= bestRank) {
            best = &entry;
            bestRank = rank;
        }
    }
    if (best) return best->Factory(std::move(target));
    return StandardEditor(std::move(target), prop);
}

std::vector<std::unique_ptr<TPropertyEditor>> GetComponentProperties(IFormDesigner* designer,
                                                                      const std::vector<TObject*>& objects) {
    std::vector<std::unique_ptr<TPropertyEditor>> rows;
    if (objects.empty()) return rows;
    for (const TPropInfo& prop : objects.front()->ClassType()->Properties()) {
        bool shared = true;
        for (size_t i = 1; i < objects.size() && shared; ++i) {
            const TPropInfo* other = objects[i]->ClassType()->FindProperty(prop.Name);
            shared = other && SameProperty(prop, *other);
        }
        if (!shared) continue;
        std::unique_ptr<TPropertyEditor> editor = CreatePropertyEditor({designer, objects, prop.Name});
        if (objects.size() > 1 && !editor->GetAttributes().Contains(TPropertyAttribute::paMultiSelect)) continue;
        rows.push_back(std::move(editor));
    }
    return rows;
}
