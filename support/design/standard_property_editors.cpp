#include "standard_property_editors.h"

#include <algorithm>
#include <set>

#include "editor_dialogs.h"
#include "property_editor_registry.h"
#include "support/framework/component.h"
#include "support/framework/exceptions.h"
#include "support/framework/property_text.h"
#include "support/framework/text_case.h"

using enum TPropertyAttribute;

namespace {
// Names offered by a sorted value list: the list shows each name once.
void GetSortedNames(const std::vector<std::string>& names, const TPropertyEditor::TGetStrProc& proc) {
    std::set<std::string, TTextLess> sorted(names.begin(), names.end());
    for (const std::string& name : sorted) proc(name);
}

// The owners an object's references and events are looked up in, nearest first.
std::vector<const TComponent*> OwnersOf(const TObject& object) {
    std::vector<const TComponent*> owners;
    const auto* component = dynamic_cast<const TComponent*>(&object);
    for (const TComponent* owner = component ? component->Owner() : nullptr; owner; owner = owner->Owner())
        owners.push_back(owner);
    return owners;
}
}  // namespace

TPropertyAttributes TOrdinalProperty::GetAttributes() const {
    TPropertyAttributes attributes = TPropertyEditor::GetAttributes();
    if (Prop().PropType->Idents) attributes.Include(paValueList);
    return attributes;
}

void TOrdinalProperty::GetValues(const TGetStrProc& proc) const {
    if (const TIdentMap* idents = Prop().PropType->Idents)
        for (const TIdentMapEntry& entry : *idents) proc(entry.Name);
}

bool TOrdinalProperty::AllEqual() const {
    for (int i = 1; i < ObjectCount(); ++i)
        if (GetOrdValue(i) != GetOrdValue(0)) return false;
    return true;
}

TPropertyAttributes TEnumProperty::GetAttributes() const { return TOrdinalProperty::GetAttributes() + TPropertyAttributes{paValueList}; }

void TEnumProperty::GetValues(const TGetStrProc& proc) const {
    for (const std::string& name : Prop().PropType->EnumNames) proc(name);
}

TPropertyAttributes TSetProperty::GetAttributes() const { return TOrdinalProperty::GetAttributes() + TPropertyAttributes{paSubProperties}; }

std::vector<std::unique_ptr<TPropertyEditor>> TSetProperty::GetProperties() const {
    std::vector<std::unique_ptr<TPropertyEditor>> elements;
    const TTypeInfo& element = *Prop().PropType->CompType;
    const auto count = std::min<int64_t>(static_cast<int64_t>(element.EnumNames.size()), kMaxSetElements);
    for (int i = 0; i < count; ++i) elements.push_back(std::make_unique<TSetElementProperty>(Target(), i));
    return elements;
}

TSetElementProperty::TSetElementProperty(TPropertyEditorTarget target, int element)
    : TPropertyEditor(std::move(target)), element_(element) {}

TPropertyAttributes TSetElementProperty::GetAttributes() const {
    return TPropertyEditor::GetAttributes() + TPropertyAttributes{paValueList, paSortList};
}

std::string TSetElementProperty::GetName() const { return Prop().PropType->CompType->EnumNames[static_cast<size_t>(element_)]; }

bool TSetElementProperty::Holds(int index) const { return (GetOrdValue(index) >> element_) & 1; }

std::string TSetElementProperty::GetValue() const { return Holds(0) ? "True" : "False"; }

void TSetElementProperty::SetValue(const std::string& text) {
    int64_t include = 0;
    try {
        include = TextToOrd(TTypeInfoOf<bool>::Get(), text);
    } catch (const EConvertError& e) {
        throw EPropertyError("'" + text + "' is not a valid value of " + GetName() + ": " + e.Message);
    }
    const int64_t bit = int64_t{1} << element_;
    SetEach([&](TObject& object) {
        const TPropTarget target = FindPropTarget(object, Path());
        const int64_t bits = target.Prop->GetOrd(*target.Instance);
        SetPropText(object, Path(), OrdToText(*Prop().PropType, include ? bits | bit : bits & ~bit));
    });
}

void TSetElementProperty::GetValues(const TGetStrProc& proc) const {
    proc("False");
    proc("True");
}

bool TSetElementProperty::AllEqual() const {
    for (int i = 1; i < ObjectCount(); ++i)
        if (Holds(i) != Holds(0)) return false;
    return true;
}

TPropertyAttributes TFloatProperty::GetAttributes() const { return TPropertyEditor::GetAttributes(); }

TPropertyAttributes TStringProperty::GetAttributes() const { return TPropertyEditor::GetAttributes(); }

TPropertyAttributes TCaptionProperty::GetAttributes() const { return TStringProperty::GetAttributes() + TPropertyAttributes{paAutoUpdate}; }

TPropertyAttributes TComponentNameProperty::GetAttributes() const {
    return TStringProperty::GetAttributes() - TPropertyAttributes{paMultiSelect};
}

TPropertyAttributes TColorProperty::GetAttributes() const { return TOrdinalProperty::GetAttributes() + TPropertyAttributes{paDialog}; }

void TColorProperty::Edit() {
    const auto& choose = EditorDialogs().ChooseColor;
    auto color = static_cast<TColor>(GetOrdValue());
    if (choose && choose(color)) SetOrdValue(color);
}

TPropertyAttributes TClassProperty::GetAttributes() const {
    return TPropertyAttributes{paMultiSelect, paSubProperties, paReadOnly};
}

std::vector<std::unique_ptr<TPropertyEditor>> TClassProperty::GetProperties() const {
    std::vector<std::unique_ptr<TPropertyEditor>> rows;
    for (int i = 0; i < ObjectCount(); ++i)
        if (!Prop().GetObject(Holder(i))) return rows;
    const TObject* first = Prop().GetObject(Holder(0));
    for (const TPropInfo& sub : first->ClassType()->Properties()) {
        TPropertyEditorTarget target = Target();
        target.Path += "." + sub.Name;
        try {
            rows.push_back(CreatePropertyEditor(std::move(target)));
        } catch (const EPropertyError&) {
            // Sub-objects of another class (a descendant) may lack the property: no row.
        }
    }
    return rows;
}

TPropertyAttributes TFontProperty::GetAttributes() const { return TClassProperty::GetAttributes() + TPropertyAttributes{paDialog}; }

void TFontProperty::Edit() {
    const auto& choose = EditorDialogs().ChooseFont;
    const auto* current = dynamic_cast<const TFont*>(Prop().GetObject(Holder(0)));
    if (!choose || !current) return;
    TFont font;
    font.Assign(current);
    if (!choose(font)) return;
    for (int i = 0; i < ObjectCount(); ++i)
        if (auto* target = dynamic_cast<TFont*>(Prop().GetObject(Holder(i)))) target->Assign(&font);
    Modified();
}

TPropertyAttributes TComponentProperty::GetAttributes() const {
    return TPropertyEditor::GetAttributes() + TPropertyAttributes{paValueList, paSortList};
}

void TComponentProperty::GetValues(const TGetStrProc& proc) const {
    std::vector<std::string> names;
    const TClass wanted = Prop().ObjectClass ? &Prop().ObjectClass() : nullptr;
    for (const TComponent* owner : OwnersOf(Holder(0))) {
        if (!owner->GetName().empty() && (!wanted || owner->InheritsFrom(wanted))) names.push_back(owner->GetName());
        for (int i = 0; i < owner->ComponentCount(); ++i) {
            const TComponent* candidate = owner->Components(i);
            if (!candidate->GetName().empty() && (!wanted || candidate->InheritsFrom(wanted)))
                names.push_back(candidate->GetName());
        }
    }
    GetSortedNames(names, proc);
}

TPropertyAttributes TMethodProperty::GetAttributes() const {
    return TPropertyEditor::GetAttributes() + TPropertyAttributes{paValueList, paSortList};
}

void TMethodProperty::GetValues(const TGetStrProc& proc) const {
    std::vector<std::string> names;
    for (const TComponent* owner : OwnersOf(Holder(0)))
        for (const TPublishedMethod& method : owner->ClassType()->Methods())
            if (Prop().MethodSignature && method.Signature == std::type_index(*Prop().MethodSignature))
                names.push_back(method.Name);
    GetSortedNames(names, proc);
}
