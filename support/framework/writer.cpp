#include "writer.h"

#include <cmath>

#include "component.h"
#include "depth_guard.h"
#include "exceptions.h"
#include "stream.h"

void TWriter::Write(const void* buffer, int32_t count) { stream_.WriteBuffer(buffer, count); }

void TWriter::WriteInt32(int32_t value) { stream_.WriteInt32(value); }

void TWriter::WriteSignature() { Write(kFilerSignature, 4); }

void TWriter::WriteRootComponent(TComponent* root) {
    root_ = root;
    WriteSignature();
    WriteComponent(root);
}

void TWriter::WriteComponent(TComponent* component) {
    const TDepthGuard<EWriteError> guard(depth_, "Components nested too deeply to write");
    component->SetState(csWriting, true);
    if (component->ComponentState() & csInline) values_.Byte(0xF0 | ffInline);
    WriteStr(component->ClassName());
    WriteStr(component->GetName());
    WriteProperties(component);
    WriteListEnd();
    if (writeChildren_) component->GetChildren([this](TComponent* child) { WriteComponent(child); }, root_);
    WriteListEnd();
    component->SetState(csWriting, false);
}

void TWriter::WriteProperties(TPersistent* instance) {
    for (const TPropInfo& prop : instance->ClassType()->Properties()) {
        if (!writeEvents_ && prop.PropType->Kind == TTypeKind::tkMethod) continue;
        if (IsStoredProp(*instance, prop) && !IsDefaultPropValue(*instance, prop)) WriteProperty(instance, prop);
    }
    instance->DefineProperties(*this);
}

void TWriter::WriteProperty(TPersistent* instance, const TPropInfo& prop) {
    switch (prop.Kind()) {
        case TTypeKind::tkInteger:
        case TTypeKind::tkChar:
        case TTypeKind::tkEnumeration:
        case TTypeKind::tkSet:
        case TTypeKind::tkInt64:
            WriteOrdProperty(instance, prop);
            break;
        case TTypeKind::tkFloat:
            WritePropName(prop.Name);
            if (prop.PropType->FloatType == TFloatType::ftSingle)
                WriteSingle(static_cast<float>(prop.GetFloat(*instance)));
            else if (prop.PropType->FloatType == TFloatType::ftCurr)
                WriteCurrency(std::llround(prop.GetFloat(*instance) * 10000));
            else
                WriteFloat(prop.GetFloat(*instance));
            break;
        case TTypeKind::tkString:
            WritePropName(prop.Name);
            WriteString(prop.GetStr(*instance));
            break;
        case TTypeKind::tkClass: WriteObjectProperty(instance, prop); break;
        case TTypeKind::tkMethod:
            WritePropName(prop.Name);
            WriteIdent(prop.GetMethodName(*instance));
            break;
    }
}

void TWriter::WriteOrdProperty(TPersistent* instance, const TPropInfo& prop) {
    const TTypeInfo& type = *prop.PropType;
    const int64_t value = prop.GetOrd(*instance);
    WritePropName(prop.Name);
    std::string ident;
    switch (type.Kind) {
        case TTypeKind::tkChar: WriteString(std::string(1, static_cast<char>(value))); break;
        case TTypeKind::tkEnumeration:
            if (&type == &TTypeInfoOf<bool>::Get())
                WriteBoolean(value != 0);
            else
                WriteIdent(GetEnumName(type, value));
            break;
        case TTypeKind::tkSet: values_.Set(SetToNames(type, value)); break;
        default:
            if (type.Idents && IntToIdent(value, ident, *type.Idents))
                WriteIdent(ident);
            else
                WriteInteger(value);
    }
}

void TWriter::WriteObjectProperty(TPersistent* instance, const TPropInfo& prop) {
    TObject* value = prop.GetObject(*instance);
    if (auto* component = dynamic_cast<TComponent*>(value)) {
        WritePropName(prop.Name);
        WriteIdent(ReferenceName(component));
        return;
    }
    auto* nested = dynamic_cast<TPersistent*>(value);
    if (!nested) return;
    const std::string savedPath = propPath_;
    propPath_ += prop.Name + ".";
    WriteProperties(nested);
    propPath_ = savedPath;
}

std::string TWriter::ReferenceName(TComponent* component) const {
    TComponent* owner = component->Owner();
    if (owner && owner != root_ && component != root_) return owner->GetName() + "." + component->GetName();
    return component->GetName();
}

void TWriter::WritePropName(const std::string& name) { WriteStr(propPath_ + name); }

void TWriter::DefineProperty(const std::string& name, const std::function<void(TReader&)>&,
                             const std::function<void(TWriter&)>& writeData, bool hasData) {
    if (!hasData) return;
    WritePropName(name);
    writeData(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>&,
                                   const std::function<void(TStream&)>& writeData, bool hasData) {
    if (!hasData) return;
    WritePropName(name);
    TMemoryStream data;
    writeData(data);
    values_.Counted(TValueType::vaBinary, std::string(data.Bytes().begin(), data.Bytes().end()));
}

void TWriter::WriteInteger(int64_t value) { values_.Integer(value); }

void TWriter::WriteBoolean(bool value) { values_.Code(value ? TValueType::vaTrue : TValueType::vaFalse); }

void TWriter::WriteString(const std::string& value) { values_.String(value); }

void TWriter::WriteIdent(const std::string& ident) { values_.Ident(ident); }

void TWriter::WriteFloat(long double value) { values_.Extended(value); }

void TWriter::WriteSingle(float value) { values_.Single(value); }

void TWriter::WriteCurrency(int64_t scaledBy10000) { values_.Currency(scaledBy10000); }

void TWriter::WriteDate(double value) { values_.Date(value); }

void TWriter::WriteListBegin() { values_.Code(TValueType::vaList); }

void TWriter::WriteListEnd() { values_.Code(TValueType::vaNull); }

void TWriter::WriteStr(const std::string& shortString) { values_.ShortString(shortString); }
