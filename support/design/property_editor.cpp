#include "property_editor.h"

#include "form_designer.h"
#include "support/framework/component.h"
#include "support/framework/exceptions.h"
#include "support/framework/property_text.h"

TPropertyEditor::TPropertyEditor(TPropertyEditorTarget target) : target_(std::move(target)) {
    if (target_.Objects.empty()) throw EPropertyError("A property editor needs an object");
    prop_ = FindPropTarget(*target_.Objects.front(), target_.Path).Prop;
}

TPropertyAttributes TPropertyEditor::GetAttributes() const {
    TPropertyAttributes attributes{TPropertyAttribute::paMultiSelect};
    if (prop_->ReadOnly()) attributes.Include(TPropertyAttribute::paReadOnly);
    return attributes;
}

std::string TPropertyEditor::GetName() const { return prop_->Name; }

std::string TPropertyEditor::GetValue() const { return GetValueOf(0); }

std::string TPropertyEditor::GetValueOf(int index) const { return GetPropText(Object(index), Path()); }

void TPropertyEditor::SetValue(const std::string& text) {
    SetEach([&](TObject& object) { SetPropText(object, Path(), text); });
}

void TPropertyEditor::GetValues(const TGetStrProc&) const {}

void TPropertyEditor::Edit() {}

std::vector<std::unique_ptr<TPropertyEditor>> TPropertyEditor::GetProperties() const { return {}; }

bool TPropertyEditor::AllEqual() const {
    const std::string first = GetValueOf(0);
    for (int i = 1; i < ObjectCount(); ++i)
        if (GetValueOf(i) != first) return false;
    return true;
}

TObject& TPropertyEditor::Holder(int index) const { return *FindPropTarget(Object(index), Path()).Instance; }

int64_t TPropertyEditor::GetOrdValue(int index) const { return prop_->GetOrd(Holder(index)); }

void TPropertyEditor::SetOrdValue(int64_t value) {
    // Through the text form, so that a sub-object's change is reported by its object.
    const std::string text = OrdToText(*prop_->PropType, value);
    SetEach([&](TObject& object) { SetPropText(object, Path(), text); });
}

void TPropertyEditor::SetEach(const std::function<void(TObject& object)>& set) {
    std::vector<std::string> before;
    for (int i = 0; i < ObjectCount(); ++i) before.push_back(GetValueOf(i));
    int done = 0;
    try {
        for (; done < ObjectCount(); ++done) set(Object(done));
    } catch (...) {
        for (int i = 0; i < done; ++i) {
            try {
                SetPropText(Object(i), Path(), before[static_cast<size_t>(i)]);
            } catch (const Exception&) {
                // The old value came from the property itself; it reads back unless the
                // setter refuses its own value, and then there is nothing better to restore.
            }
        }
        throw;
    }
}

void TPropertyEditor::Modified() {
    for (TObject* object : target_.Objects)
        if (auto* component = dynamic_cast<TComponent*>(object)) component->PropertyChanged(Path());
    if (target_.Designer) target_.Designer->Modified();
}
