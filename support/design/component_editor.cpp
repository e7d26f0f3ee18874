#include "component_editor.h"

#include <vector>

#include "support/framework/component.h"
#include "support/framework/exceptions.h"

namespace {
struct TRegistration {
    TClass ComponentClass;
    TComponentEditorFactory Factory;
};

std::vector<TRegistration>& Registrations() {
    static std::vector<TRegistration> list;
    return list;
}
}  // namespace

void TComponentEditor::CheckVerbIndex(int index) const {
    if (index < 0 || index >= GetVerbCount())
        throw EListError("Verb index out of bounds (" + std::to_string(index) + ")");
}

std::string TComponentEditor::GetVerb(int index) const {
    CheckVerbIndex(index);
    return "";
}

void TComponentEditor::PrepareItem(int index, TVerbItem& item) const {
    CheckVerbIndex(index);
    item.Caption = GetVerb(index);
}

void TComponentEditor::ExecuteVerb(int index) { CheckVerbIndex(index); }

void TComponentEditor::Edit() {
    if (GetVerbCount() > 0) ExecuteVerb(0);
}

void RegisterComponentEditor(TClass componentClass, TComponentEditorFactory factory) {
    Registrations().push_back({componentClass, std::move(factory)});
}

std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent& component, IFormDesigner* designer) {
    // The nearest class first: walk up from the component's own class.
    for (TClass cls = component.ClassType(); cls; cls = cls->ClassParent())
        for (auto it = Registrations().rbegin(); it != Registrations().rend(); ++it)
            if (it->ComponentClass == cls) return it->Factory(component, designer);
    return std::make_unique<TComponentEditor>(component, designer);
}
