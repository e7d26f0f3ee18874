#include "reader.h"

#include <memory>

#include "class_registry.h"
#include "depth_guard.h"
#include "component.h"
#include "persistent.h"
#include "stream.h"

namespace {
bool IsStructuralError(const Exception& e) {
    return dynamic_cast<const EStreamError*>(&e) && !dynamic_cast<const EPropertyValueError*>(&e);
}
}  // namespace

void TReader::ReadRootComponent(TComponent* root) {
    root_ = root;
    ReadSignature();
    ReadPrefix();
    ReadStr();  // the class name: the root exists already
    std::string name = ReadStr();
    if (!keepRootName_) {
        if (OnSetName) OnSetName(*this, root, name);
        root->SetName(name);
    }
    root->SetState(csReading, true);
    try {
        ReadComponentBody(root);
    } catch (...) {
        root->SetState(csReading, false);
        throw;
    }
    root->SetState(csReading, false);
}

TComponent* TReader::ReadComponent() {
    const TDepthGuard guard(depth_, "Stream nested too deeply");
    ReadPrefix();
    const std::string className = ReadStr();
    std::string name = ReadStr();
    TClass cls = FindComponentClass(className);
    if (!cls) {
        if (!Error("Class " + className + " not found")) throw EClassNotFound("Class " + className + " not found");
        SkipComponent();
        return nullptr;
    }
    std::unique_ptr<TComponent> component;
    try {
        TObject* instance = cls->CreateInstance(owner_);
        component.reset(dynamic_cast<TComponent*>(instance));
        if (!component) {
            delete instance;
            throw EReadError(className + " is not a component class");
        }
        component->SetState(csReading | csLoading, true);
        if (OnSetName) OnSetName(*this, component.get(), name);
        component->SetName(name);
    } catch (const Exception& e) {
        if (IsStructuralError(e) && !dynamic_cast<const EClassNotFound*>(&e)) throw;
        const std::string message = "Error creating " + name + ": " + e.Message;
        if (!Error(message)) throw EReadError(message);
        component.reset();
        SkipComponent();
        return nullptr;
    }
    if (parent_) component->SetParentComponent(parent_);
    ReadComponentBody(component.get());
    component->SetState(csReading, false);
    return component.release();
}

void TReader::ReadComponentInto(TComponent* component) {
    const TDepthGuard guard(depth_, "Stream nested too deeply");
    ReadPrefix();
    ReadStr();
    std::string name = ReadStr();
    if (!name.empty()) {
        if (OnSetName) OnSetName(*this, component, name);
        component->SetName(name);
    }
    component->SetState(csReading, true);
    try {
        ReadComponentBody(component);
    } catch (...) {
        component->SetState(csReading, false);
        throw;
    }
    component->SetState(csReading, false);
}

TClass TReader::FindComponentClass(const std::string& className) {
    TClass cls = GetClass(className);
    if (!cls && OnFindComponentClass) OnFindComponentClass(*this, className, cls);
    return cls;
}

void TReader::ReadComponentBody(TComponent* component) {
    while (!EndOfList()) ReadProperty(component);
    ReadListEnd();
    ReadChildren(component);
}

void TReader::ReadChildren(TComponent* component) {
    if (!readChildren_) {
        while (!EndOfList()) SkipComponentRecord();
        ReadListEnd();
        return;
    }
    TComponent* savedParent = parent_;
    parent_ = component;
    try {
        while (!EndOfList()) ReadComponent();
    } catch (...) {
        parent_ = savedParent;
        throw;
    }
    parent_ = savedParent;
    ReadListEnd();
}

void TReader::ReadProperty(TPersistent* instance) {
    const std::string fullName = ReadStr();
    const int64_t valueStart = stream_.GetPosition();
    TPersistent* target = instance;
    std::string name = fullName;
    try {
        ResolvePropertyPath(target, name);
        if (const TPropInfo* prop = target->ClassType()->FindProperty(name); prop && prop->Writable()) {
            ReadPropValue(target, *prop);
            return;
        }
        pendingProperty_ = name;
        propertyClaimed_ = false;
        target->DefineProperties(*this);
        pendingProperty_.clear();
        if (!propertyClaimed_) throw EPropertyValueError("Property " + name + " does not exist");
    } catch (const Exception& e) {
        pendingProperty_.clear();
        if (IsStructuralError(e)) throw;
        auto* component = dynamic_cast<TComponent*>(instance);
        const std::string owner = component ? component->GetName() : instance->ClassName();
        const std::string message = "Error reading " + owner + "." + fullName + ": " + e.Message;
        if (!Error(message)) throw EReadError(message);
        stream_.SetPosition(valueStart);
        SkipValue();
    }
}

void TReader::ResolvePropertyPath(TPersistent*& instance, std::string& name) {
    size_t dot;
    while ((dot = name.find('.')) != std::string::npos) {
        const std::string head = name.substr(0, dot);
        const TPropInfo* prop = instance->ClassType()->FindProperty(head);
        auto* nested = prop && prop->Kind() == TTypeKind::tkClass ? dynamic_cast<TPersistent*>(prop->GetObject(*instance)) : nullptr;
        if (!nested || dynamic_cast<TComponent*>(nested)) throw EPropertyValueError("Property " + head + " does not exist");
        instance = nested;
        name.erase(0, dot + 1);
    }
}

void TReader::ReadPropValue(TPersistent* instance, const TPropInfo& prop) {
    switch (prop.Kind()) {
        case TTypeKind::tkInteger:
        case TTypeKind::tkChar:
        case TTypeKind::tkEnumeration:
        case TTypeKind::tkSet:
        case TTypeKind::tkInt64: ReadOrdValue(instance, prop); break;
        case TTypeKind::tkFloat: prop.SetFloat(*instance, ReadFloat()); break;
        case TTypeKind::tkString: prop.SetStr(*instance, ReadString()); break;
        case TTypeKind::tkClass: ReadObjectValue(instance, prop); break;
        case TTypeKind::tkMethod: {
            if (NextValue() == TValueType::vaNil) {
                ReadValue();
                prop.SetMethod(*instance, "", nullptr);
                break;
            }
            const std::string method = ReadIdent();
            if (!prop.SetMethod(*instance, method, root_)) throw EPropertyValueError("Method " + method + " not found");
            break;
        }
    }
}

void TReader::ReadOrdValue(TPersistent* instance, const TPropInfo& prop) {
    const TTypeInfo& type = *prop.PropType;
    int64_t value = 0;
    switch (type.Kind) {
        case TTypeKind::tkChar: {
            const std::string s = ReadString();
            if (s.size() != 1) throw EPropertyValueError("Invalid property value");
            value = static_cast<unsigned char>(s[0]);
            break;
        }
        case TTypeKind::tkEnumeration:
            value = GetEnumValue(type, ReadIdent());
            if (value < 0) throw EPropertyValueError("Invalid property value");
            break;
        case TTypeKind::tkSet: value = ReadSetValue(type); break;
        case TTypeKind::tkInt64: value = ReadInt64(); break;
        default:
            if (NextValue() == TValueType::vaIdent) {
                const std::string ident = ReadIdent();
                if (!type.Idents || !IdentToInt(ident, value, *type.Idents))
                    throw EPropertyValueError("Invalid property value " + ident);
            } else {
                value = ReadInt64();
            }
            if (value < type.MinValue || value > type.MaxValue) throw EPropertyValueError("Property value out of range");
    }
    prop.SetOrd(*instance, value);
}

int64_t TReader::ReadSetValue(const TTypeInfo& setType) {
    const TValueType type = ReadValue();
    if (type != TValueType::vaSet) throw EPropertyValueError("Set expected");
    std::vector<std::string> names;
    for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) names.push_back(std::move(name));
    std::string unknown;
    const std::optional<int64_t> bits = NamesToSet(setType, names, &unknown);
    if (!bits) throw EPropertyValueError("Invalid property value " + unknown);
    return *bits;
}

void TReader::ReadObjectValue(TPersistent* instance, const TPropInfo& prop) {
    const TValueType type = NextValue();
    if (type == TValueType::vaNil) {
        ReadValue();
        prop.SetObject(*instance, nullptr);
        return;
    }
    const std::string name = ReadIdent();
    if (!prop.ObjectClass || !prop.ObjectClass().InheritsFrom(&TComponent::StaticClass()))
        throw EPropertyValueError("Invalid property value");
    fixups_.push_back({instance, &prop, name});
}

void TReader::DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                             const std::function<void(TWriter&)>&, bool) {
    if (propertyClaimed_ || pendingProperty_.empty() || !SameText(name, pendingProperty_)) return;
    propertyClaimed_ = true;
    readData(*this);
}

void TReader::DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                                   const std::function<void(TStream&)>&, bool) {
    if (propertyClaimed_ || pendingProperty_.empty() || !SameText(name, pendingProperty_)) return;
    propertyClaimed_ = true;
    if (ReadValue() != TValueType::vaBinary) throw EPropertyValueError("Binary value expected");
    const int32_t length = ReadLength();
    TMemoryStream data;
    data.SetSize(length);
    if (length > 0) stream_.ReadBuffer(data.Memory(), length);  // ReadLength checked it against the stream
    data.SetPosition(0);
    readData(data);
}

void TReader::BeginReferences() { fixups_.clear(); }

void TReader::FixupReferences() {
    for (const Fixup& fixup : fixups_) {
        std::string name = fixup.Name;
        if (OnReferenceName) OnReferenceName(*this, name);
        TComponent* target = FindReference(name);
        if (target && target->InheritsFrom(&fixup.Prop->ObjectClass()))
            fixup.Prop->SetObject(*fixup.Instance, target);
        else
            Error("Unresolved reference to " + name);  // the property stays empty either way
    }
    fixups_.clear();
}

void TReader::EndReferences() { fixups_.clear(); }

TComponent* TReader::FindReference(const std::string& name) const {
    if (!root_) return nullptr;
    const size_t dot = name.find('.');
    if (dot == std::string::npos) return SameText(name, root_->GetName()) ? root_ : root_->FindComponent(name);
    TComponent* owner = root_->FindComponent(name.substr(0, dot));
    if (!owner && root_->Owner()) owner = root_->Owner()->FindComponent(name.substr(0, dot));
    return owner ? owner->FindComponent(name.substr(dot + 1)) : nullptr;
}
