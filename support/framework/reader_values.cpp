#include "reader.h"

#include <cstring>

#include "depth_guard.h"
#include "stream.h"
#include "value_codec.h"

uint8_t TReader::ReadByte() { return values_.Byte(); }

int32_t TReader::ReadLength() { return static_cast<int32_t>(values_.Length()); }

bool TReader::Error(const std::string& message) {
    bool handled = false;
    if (OnError) OnError(*this, message, handled);
    return handled;
}

void TReader::ReadSignature() {
    char signature[4];
    stream_.ReadBuffer(signature, 4);
    if (std::memcmp(signature, kFilerSignature, 4) != 0) throw EReadError("Invalid stream format");
}

void TReader::ReadPrefix() {
    const uint8_t b = static_cast<uint8_t>(NextValue());
    if ((b & 0xF0) != 0xF0) return;
    ReadByte();
    if (b & ffChildPos) ReadInteger();
}

TValueType TReader::NextValue() { return values_.PeekCode(); }

TValueType TReader::ReadValue() { return static_cast<TValueType>(ReadByte()); }

std::string TReader::ReadStr() { return values_.ShortString(); }

int64_t TReader::ReadInt64() {
    const TValueType type = ReadValue();
    if (IntegerSize(type) == 0) throw EPropertyValueError("Integer expected, found " + ValueCodeName(type));
    return values_.IntegerAfter(type);
}

int32_t TReader::ReadInteger() {
    const int64_t value = ReadInt64();
    if (value < INT32_MIN || value > INT32_MAX) throw EPropertyValueError("Integer value out of range");
    return static_cast<int32_t>(value);
}

bool TReader::ReadBoolean() {
    const TValueType type = ReadValue();
    if (type != TValueType::vaTrue && type != TValueType::vaFalse)
        throw EPropertyValueError("Boolean expected, found " + ValueCodeName(type));
    return type == TValueType::vaTrue;
}

std::string TReader::ReadString() {
    const TValueType type = ReadValue();
    if (!IsStringCode(type)) throw EPropertyValueError("String expected, found " + ValueCodeName(type));
    return values_.StringAfter(type);
}

std::string TReader::ReadIdent() {
    const TValueType type = ReadValue();
    switch (type) {
        case TValueType::vaIdent: return ReadStr();
        case TValueType::vaFalse: return "False";
        case TValueType::vaTrue: return "True";
        case TValueType::vaNil: return "nil";
        case TValueType::vaNull: return "Null";
        default: throw EPropertyValueError("Identifier expected, found " + ValueCodeName(type));
    }
}

long double TReader::ReadFloat() {
    const TValueType type = ReadValue();
    if (!IsFloatCode(type) && IntegerSize(type) == 0) throw EPropertyValueError("Number expected, found " + ValueCodeName(type));
    if (type != TValueType::vaExtended) return values_.FloatAfter(type);
    // A NaN or an infinity is a bad value, which the error hook may pass over, not a damaged record.
    const std::optional<long double> value = values_.Extended();
    if (!value) throw EPropertyValueError("Invalid floating point value");
    return *value;
}

void TReader::ReadListBegin() {
    const TValueType type = ReadValue();
    if (type != TValueType::vaList) throw EPropertyValueError("List expected, found " + ValueCodeName(type));
}

void TReader::ReadListEnd() {
    const TValueType type = ReadValue();
    if (type != TValueType::vaNull) throw EReadError("End of list expected, found " + ValueCodeName(type));
}

void TReader::SkipValue() { SkipValue(0); }

void TReader::SkipValue(int depth) {
    CheckNestingDepth(depth, "Stream nested too deeply");
    const TValueType type = ReadValue();
    auto skip = [this](int64_t bytes) { values_.Skip(bytes); };
    switch (type) {
        case TValueType::vaNull:
        case TValueType::vaFalse:
        case TValueType::vaTrue:
        case TValueType::vaNil: return;
        case TValueType::vaList:
            while (!EndOfList()) SkipValue(depth + 1);
            ReadValue();
            return;
        case TValueType::vaInt8: return skip(1);
        case TValueType::vaInt16: return skip(2);
        case TValueType::vaInt32:
        case TValueType::vaSingle: return skip(4);
        case TValueType::vaInt64:
        case TValueType::vaCurrency:
        case TValueType::vaDate: return skip(8);
        case TValueType::vaExtended: return skip(10);
        case TValueType::vaString:
        case TValueType::vaIdent: return skip(ReadByte());
        case TValueType::vaBinary:
        case TValueType::vaLString:
        case TValueType::vaUTF8String: return skip(ReadLength());
        case TValueType::vaWString: return skip(values_.Signed(4) * 2);
        case TValueType::vaSet:
            while (!ReadStr().empty()) {}
            return;
        case TValueType::vaCollection:
            while (!EndOfList()) {
                const TValueType next = NextValue();
                if (next == TValueType::vaInt8 || next == TValueType::vaInt16 || next == TValueType::vaInt32) ReadInteger();
                ReadListBegin();
                while (!EndOfList()) {
                    ReadStr();
                    SkipValue(depth + 1);
                }
                ReadValue();
            }
            ReadValue();
            return;
    }
    throw EReadError("Invalid value type in stream: " + std::to_string(static_cast<int>(type)));
}

void TReader::SkipProperties() {
    while (!EndOfList()) {
        ReadStr();
        SkipValue();
    }
    ReadListEnd();
}

void TReader::SkipComponent() {
    const TDepthGuard guard(depth_, "Stream nested too deeply");
    SkipProperties();
    while (!EndOfList()) SkipComponentRecord();
    ReadListEnd();
}

std::string TReader::PeekClassName() {
    const int64_t start = stream_.GetPosition();
    ReadPrefix();
    std::string className = ReadStr();
    stream_.SetPosition(start);
    return className;
}

void TReader::SkipComponentRecord() {
    ReadPrefix();
    ReadStr();
    ReadStr();
    SkipComponent();
}
