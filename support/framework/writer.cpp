#include "writer.h"

#include <cmath>
#include <cstring>

#include "component.h"
#include "exceptions.h"
#include "extended_float.h"
#include "stream.h"
#include "value_codes.h"

namespace {
void PutLE(uint8_t* out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}
}  // namespace

void TWriter::Write(const void* buffer, int32_t count) { stream_.WriteBuffer(buffer, count); }

void TWriter::WriteInt32(int32_t value) { stream_.WriteInt32(value); }

void TWriter::WriteSignature() { Write(kFilerSignature, 4); }

void TWriter::WriteRootComponent(TComponent* root) {
    root_ = root;
    WriteSignature();
    WriteComponent(root);
}

void TWriter::WriteComponent(TComponent* component) {
    if (++depth_ > kMaxNestingDepth) throw EWriteError("Components nested too deeply to write");
    component->SetState(csWriting, true);
    if (component->ComponentState() & csInline) WriteValue(0xF0 | ffInline);
    WriteStr(component->ClassName());
    WriteStr(component->GetName());
    WriteProperties(component);
    WriteListEnd();
    if (writeChildren_) component->GetChildren([this](TComponent* child) { WriteComponent(child); }, root_);
    WriteListEnd();
    component->SetState(csWriting, false);
    --depth_;
}

void TWriter::WriteProperties(TPersistent* instance) {
    for (const TPropInfo& prop : instance->ClassType()->Properties())
        if (IsStoredProp(*instance, prop) && !IsDefaultPropValue(*instance, prop)) WriteProperty(instance, prop);
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
        case TTypeKind::tkSet:
            WriteValue(static_cast<uint8_t>(TValueType::vaSet));
            for (size_t bit = 0; bit < type.CompType->EnumNames.size() && bit < 32; ++bit)
                if (value & (int64_t(1) << bit)) WriteStr(type.CompType->EnumNames[bit]);
            WriteStr("");
            break;
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
    WriteValue(static_cast<uint8_t>(TValueType::vaBinary));
    WriteInt32(static_cast<int32_t>(data.GetSize()));
    data.SaveToStream(stream_);
}

void TWriter::WriteInteger(int64_t value) {
    uint8_t buf[9];
    int bytes;
    if (value >= INT8_MIN && value <= INT8_MAX)
        buf[0] = static_cast<uint8_t>(TValueType::vaInt8), bytes = 1;
    else if (value >= INT16_MIN && value <= INT16_MAX)
        buf[0] = static_cast<uint8_t>(TValueType::vaInt16), bytes = 2;
    else if (value >= INT32_MIN && value <= INT32_MAX)
        buf[0] = static_cast<uint8_t>(TValueType::vaInt32), bytes = 4;
    else
        buf[0] = static_cast<uint8_t>(TValueType::vaInt64), bytes = 8;
    PutLE(buf + 1, static_cast<uint64_t>(value), bytes);
    Write(buf, bytes + 1);
}

void TWriter::WriteBoolean(bool value) {
    WriteValue(static_cast<uint8_t>(value ? TValueType::vaTrue : TValueType::vaFalse));
}

void TWriter::WriteString(const std::string& value) {
    if (value.size() <= 255) {
        WriteValue(static_cast<uint8_t>(TValueType::vaString));
        WriteStr(value);
        return;
    }
    WriteValue(static_cast<uint8_t>(TValueType::vaLString));
    WriteInt32(static_cast<int32_t>(value.size()));
    Write(value.data(), static_cast<int32_t>(value.size()));
}

void TWriter::WriteIdent(const std::string& ident) {
    if (SameText(ident, "False"))
        WriteValue(static_cast<uint8_t>(TValueType::vaFalse));
    else if (SameText(ident, "True"))
        WriteValue(static_cast<uint8_t>(TValueType::vaTrue));
    else if (SameText(ident, "nil"))
        WriteValue(static_cast<uint8_t>(TValueType::vaNil));
    else if (SameText(ident, "Null"))
        WriteValue(static_cast<uint8_t>(TValueType::vaNull));
    else {
        WriteValue(static_cast<uint8_t>(TValueType::vaIdent));
        WriteStr(ident);
    }
}

void TWriter::WriteFloat(long double value) {
    uint8_t buf[11] = {static_cast<uint8_t>(TValueType::vaExtended)};
    const TExtendedBytes bytes = EncodeExtended(value);
    std::memcpy(buf + 1, bytes.data(), bytes.size());
    Write(buf, 11);
}

void TWriter::WriteSingle(float value) {
    uint8_t buf[5] = {static_cast<uint8_t>(TValueType::vaSingle)};
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    PutLE(buf + 1, bits, 4);
    Write(buf, 5);
}

void TWriter::WriteCurrency(int64_t scaledBy10000) {
    uint8_t buf[9] = {static_cast<uint8_t>(TValueType::vaCurrency)};
    PutLE(buf + 1, static_cast<uint64_t>(scaledBy10000), 8);
    Write(buf, 9);
}

void TWriter::WriteDate(double value) {
    uint8_t buf[9] = {static_cast<uint8_t>(TValueType::vaDate)};
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    PutLE(buf + 1, bits, 8);
    Write(buf, 9);
}

void TWriter::WriteListBegin() { WriteValue(static_cast<uint8_t>(TValueType::vaList)); }

void TWriter::WriteListEnd() { WriteValue(static_cast<uint8_t>(TValueType::vaNull)); }

void TWriter::WriteStr(const std::string& shortString) {
    if (shortString.size() > 255) throw EWriteError("Name too long to write: " + shortString.substr(0, 40) + "...");
    const uint8_t length = static_cast<uint8_t>(shortString.size());
    Write(&length, 1);
    Write(shortString.data(), length);
}
