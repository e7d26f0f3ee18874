// Reads binary component records into components: class lookup by name, names, properties,
// references fixed up by name, and an error hook that may let the reading go on.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "exceptions.h"
#include "filer.h"
#include "object.h"
#include "stream.h"
#include "value_codec.h"

class TPersistent;

// A value that does not suit its property; the error hook may pass over it.
class EPropertyValueError : public EReadError {
    using EReadError::EReadError;
};

class TReader : public TFiler {
public:
    explicit TReader(TStream& stream) : stream_(stream), values_(stream) {}

    // Hooks: the name a new component gets, a reference name before it is looked up,
    // an error (set handled to go on), and a class the registry does not know.
    std::function<void(TReader&, TComponent*, std::string&)> OnSetName;
    std::function<void(TReader&, std::string&)> OnReferenceName;
    std::function<void(TReader&, const std::string&, bool&)> OnError;
    std::function<void(TReader&, const std::string&, TClass&)> OnFindComponentClass;

    TComponent* Owner() const { return owner_; }
    void SetOwner(TComponent* owner) { owner_ = owner; }
    TComponent* Parent() const { return parent_; }
    void SetParent(TComponent* parent) { parent_ = parent; }
    // Off: the child list of each record is passed over.
    void SetReadChildren(bool on) { readChildren_ = on; }
    // On: the root keeps its name; the name the root record stores is passed over.
    void SetKeepRootName(bool on) { keepRootName_ = on; }

    // Raw bytes, for framing that surrounds records.
    void Read(void* buffer, int32_t count) { stream_.ReadBuffer(buffer, count); }
    int32_t ReadInt32() { return stream_.ReadInt32(); }
    TStream& Stream() { return stream_; }

    void ReadSignature();
    // Reads the root record into root, which takes its stored name unless told to keep its own.
    void ReadRootComponent(TComponent* root);
    // Reads one record and creates its component (owned by Owner, child of Parent);
    // null when the error hook chose to pass over it.
    TComponent* ReadComponent();
    // Reads one record (no signature) into an existing component; an empty stored name leaves its name.
    void ReadComponentInto(TComponent* component);
    // Passes over one record (after its signature) without creating anything.
    void SkipComponentRecord();
    // The class name of the record at the position (after its signature), which stays.
    std::string PeekClassName();

    void BeginReferences();
    void FixupReferences();
    void EndReferences();

    void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                        const std::function<void(TWriter&)>& writeData, bool hasData) override;
    void DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                              const std::function<void(TStream&)>& writeData, bool hasData) override;

    TValueType NextValue();
    TValueType ReadValue();
    int32_t ReadInteger();
    int64_t ReadInt64();
    bool ReadBoolean();
    std::string ReadString();
    std::string ReadIdent();
    long double ReadFloat();
    void ReadListBegin();
    void ReadListEnd();
    bool EndOfList() { return NextValue() == TValueType::vaNull; }
    std::string ReadStr();
    void SkipValue();

    // Offers the message to the error hook; true when it was handled.
    bool Error(const std::string& message);

private:
    struct Fixup {
        TObject* Instance;
        const TPropInfo* Prop;
        std::string Name;
    };

    uint8_t ReadByte();
    int32_t ReadLength();
    void ReadPrefix();
    TClass FindComponentClass(const std::string& className);
    void ReadComponentBody(TComponent* component);
    void ReadChildren(TComponent* component);
    void SkipComponent();
    void SkipProperties();
    void ReadProperty(TPersistent* instance);
    void ResolvePropertyPath(TPersistent*& instance, std::string& name);
    void ReadPropValue(TPersistent* instance, const TPropInfo& prop);
    void ReadOrdValue(TPersistent* instance, const TPropInfo& prop);
    void ReadObjectValue(TPersistent* instance, const TPropInfo& prop);
    int64_t ReadSetValue(const TTypeInfo& setType);
    void SkipValue(int depth);
    TComponent* FindReference(const std::string& name) const;

    TStream& stream_;
    TValueDecoder values_;
    TComponent* owner_ = nullptr;
    TComponent* parent_ = nullptr;
    bool readChildren_ = true;
    bool keepRootName_ = false;
    int depth_ = 0;
    std::string pendingProperty_;  // name a DefineProperties handler may claim while reading
    bool propertyClaimed_ = false;
    std::vector<Fixup> fixups_;
};
