// Writes components as binary component records: signature, header, stored properties, children.
#pragma once
#include <cstdint>
#include <string>

#include "filer.h"
#include "property.h"
#include "value_codec.h"

class TPersistent;

class TWriter : public TFiler {
public:
    explicit TWriter(TStream& stream) : stream_(stream), values_(stream) {}

    // Raw bytes, for framing that surrounds records.
    void Write(const void* buffer, int32_t count);
    void WriteInt32(int32_t value);

    void WriteSignature();
    // Signature and record of root, which becomes the root for component references.
    void WriteRootComponent(TComponent* root);
    // The record of one component (no signature).
    void WriteComponent(TComponent* component);
    // Off: records carry an empty child list, whatever GetChildren offers.
    void SetWriteChildren(bool on) { writeChildren_ = on; }
    // Off: event handlers are left out (those of a program's own container are not data).
    void SetWriteEvents(bool on) { writeEvents_ = on; }

    void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                        const std::function<void(TWriter&)>& writeData, bool hasData) override;
    void DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                              const std::function<void(TStream&)>& writeData, bool hasData) override;

    void WriteProperties(TPersistent* instance);
    void WriteInteger(int64_t value);  // the smallest of int8, int16, int32, int64
    void WriteBoolean(bool value);
    void WriteString(const std::string& value);  // short or long string by length
    void WriteIdent(const std::string& ident);
    void WriteFloat(long double value);
    void WriteSingle(float value);
    void WriteCurrency(int64_t scaledBy10000);
    void WriteDate(double value);
    void WriteListBegin();
    void WriteListEnd();
    void WriteStr(const std::string& shortString);

private:
    void WriteProperty(TPersistent* instance, const TPropInfo& prop);
    void WriteOrdProperty(TPersistent* instance, const TPropInfo& prop);
    void WriteObjectProperty(TPersistent* instance, const TPropInfo& prop);
    void WritePropName(const std::string& name);
    std::string ReferenceName(TComponent* component) const;

    TStream& stream_;
    TValueEncoder values_;
    bool writeChildren_ = true;
    bool writeEvents_ = true;
    std::string propPath_;
    int depth_ = 0;
};
