#include "object.h"

#include "exceptions.h"

const TMetaClass& TObject::StaticClass() {
    static const TMetaClass meta("TObject", nullptr, nullptr);
    return meta;
}

TClass TObject::ClassType() const { return &StaticClass(); }

const std::string& TObject::ClassName() const { return ClassType()->ClassName(); }

bool TObject::InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

TMetaClass::TMetaClass(std::string name, TClass parent, Factory factory)
    : name_(std::move(name)), parent_(parent), factory_(factory) {
    if (parent_) {
        properties_ = parent_->properties_;
        methods_ = parent_->methods_;
        fields_ = parent_->fields_;
    }
}

bool TMetaClass::InheritsFrom(TClass ancestor) const {
    for (TClass c = this; c; c = c->parent_)
        if (c == ancestor) return true;
    return false;
}

TObject* TMetaClass::CreateInstance(TComponent* owner) const {
    if (!factory_) throw EInvalidOperation("Cannot create an instance of abstract class " + name_);
    return factory_(owner);
}

const TPropInfo* TMetaClass::FindProperty(const std::string& name) const {
    for (const auto& prop : properties_)
        if (SameText(prop.Name, name)) return &prop;
    return nullptr;
}

const TPublishedMethod* TMetaClass::FindMethod(const std::string& name) const {
    for (const auto& method : methods_)
        if (SameText(method.Name, name)) return &method;
    return nullptr;
}

TPropInfo& TMetaClass::AddProperty(TPropInfo info) {
    // A descendant that declares an inherited property again replaces it in its place.
    for (auto& prop : properties_)
        if (SameText(prop.Name, info.Name)) return prop = std::move(info);
    properties_.push_back(std::move(info));
    return properties_.back();
}

void TMetaClass::ShrinkToFit() {
    properties_.shrink_to_fit();
    methods_.shrink_to_fit();
    fields_.shrink_to_fit();
}

void TMetaClass::AddMethod(TPublishedMethod method) {
    for (auto& existing : methods_)
        if (SameText(existing.Name, method.Name)) {
            existing = std::move(method);
            return;
        }
    methods_.push_back(std::move(method));
}

void TMetaClass::AddField(TPublishedField field) {
    for (auto& existing : fields_)
        if (SameText(existing.Name, field.Name)) throw EInvalidOperation("Field " + field.Name + " is published twice in " + name_);
    fields_.push_back(std::move(field));
}
