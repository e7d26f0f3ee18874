#include "object.h"

#include <algorithm>
#include <utility>

#include "exceptions.h"

const TMetaClass& TObject::StaticClass() {
    static const TMetaClass meta("TObject", nullptr, nullptr);
    return meta;
}

TClass TObject::ClassType() const { return &StaticClass(); }

const std::string& TObject::ClassName() const { return ClassType()->ClassName(); }

bool TObject::InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

TMetaClass::TMetaClass(std::string name, TClass parent, Factory factory, Declare declare)
    : name_(std::move(name)), parent_(parent), factory_(factory), declare_(declare) {
    if (!declare_) InheritTables();
}

void TMetaClass::InheritTables() {
    if (!parent_) return;
    properties_ = parent_->Properties();
    methods_ = parent_->Methods();
    fields_ = parent_->Fields();
}

void TMetaClass::DeclareNow() {
    const Declare declare = std::exchange(declare_, nullptr);
    InheritTables();
    declare(*this);
    ShrinkToFit();
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
    EnsureDeclared();
    for (const TPropInfo* prop : properties_.entries_)
        if (SameText(prop->Name, name)) return prop;
    return nullptr;
}

const TPublishedMethod* TMetaClass::FindMethod(const std::string& name) const {
    EnsureDeclared();
    for (const auto& method : methods_)
        if (SameText(method.Name, name)) return &method;
    return nullptr;
}

TPropInfo& TMetaClass::AddProperty(TPropInfo info) {
    TPropInfo& own = *ownProperties_.emplace_back(std::make_unique<TPropInfo>(std::move(info)));
    // A descendant that declares an inherited property again replaces it in its place.
    auto& entries = properties_.entries_;
    const auto same = std::find_if(entries.begin(), entries.end(),
                                   [&own](const TPropInfo* prop) { return SameText(prop->Name, own.Name); });
    if (same != entries.end())
        *same = &own;
    else
        entries.push_back(&own);
    return own;
}

void TMetaClass::ShrinkToFit() {
    properties_.entries_.shrink_to_fit();
    ownProperties_.shrink_to_fit();
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
