#include "reader.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "class_registry.h"
#include "component.h"
#include "extended_float.h"
#include "persistent.h"
#include "stream.h"

namespace {
// Restores the nesting depth when a nested read ends, also by an exception.
struct DepthGuard {
    int& depth;
    ~DepthGuard() { --depth; }
};

int64_t GetLE(const uint8_t* in, int bytes) {
    uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | in[i];
    if (bytes < 8 && (value >> (8 * bytes - 1)) & 1) value |= ~uint64_t(0) << (8 * bytes);
    return static_cast<int64_t>(value);
}

long double DecodeFloat(const uint8_t* bytes) {
    TExtendedBytes extended;
    std::copy(bytes, bytes + extended.size(), extended.begin());
    const std::optional<long double> value = DecodeExtended(extended);
    if (!value) throw EPropertyValueError("Invalid floating point value");
    return *value;
}

std::string ValueName(TValueType type) {
    static const char* const names[] = {"Null",     "List",     "Int8",   "Int16", "Int32",   "Extended", "String",
                                        "Ident",    "False",    "True",   "Binary", "Set",    "LString",  "Nil",
                                        "Collection", "Single", "Currency", "Date", "WString", "Int64",   "UTF8String"};
    const auto index = static_cast<size_t>(type);
    return index < std::size(names) ? names[index] : "value " + std::to_string(index);
}
}  // namespace

uint8_t TReader::ReadByte() {
    uint8_t b;
    stream_.ReadBuffer(&b, 1);
    return b;
}

int32_t TReader::ReadLength() {
    const int32_t length = stream_.ReadInt32();
    if (length < 0 || length > stream_.Remaining()) throw EReadError("Invalid length in stream: " + std::to_string(length));
    return length;
}

void TReader::EnterNesting() {
    if (++depth_ > kMaxNestingDepth) {
        --depth_;
        throw EReadError("Stream nested too deeply");
    }
}

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

TValueType TReader::NextValue() {
    const TValueType type = ReadValue();
    stream_.Seek(-1, TSeekOrigin::Current);
    return type;
}

TValueType TReader::ReadValue() { return static_cast<TValueType>(ReadByte()); }

std::string TReader::ReadStr() {
    const uint8_t length = ReadByte();
    std::string s(length, '\0');
    stream_.ReadBuffer(s.data(), length);
    return s;
}

int64_t TReader::ReadInt64() {
    const TValueType type = ReadValue();
    uint8_t buf[8];
    int bytes = 0;
    switch (type) {
        case TValueType::vaInt8: bytes = 1; break;
        case TValueType::vaInt16: bytes = 2; break;
        case TValueType::vaInt32: bytes = 4; break;
        case TValueType::vaInt64: bytes = 8; break;
        default: throw EPropertyValueError("Integer expected, found " + ValueName(type));
    }
    stream_.ReadBuffer(buf, bytes);
    return GetLE(buf, bytes);
}

int32_t TReader::ReadInteger() {
    const int64_t value = ReadInt64();
    if (value < INT32_MIN || value > INT32_MAX) throw EPropertyValueError("Integer value out of range");
    return static_cast<int32_t>(value);
}

bool TReader::ReadBoolean() {
    const TValueType type = ReadValue();
    if (type != TValueType::vaTrue && type != TValueType::vaFalse)
        throw EPropertyValueError("Boolean expected, found " + ValueName(type));
    return type == TValueType::vaTrue;
}

std::string TReader::ReadString() {
    const TValueType type = ReadValue();
    switch (type) {
        case TValueType::vaString: return ReadStr();
        case TValueType::vaLString:
        case TValueType::vaUTF8String: {
            std::string s(static_cast<size_t>(ReadLength()), '\0');
            stream_.ReadBuffer(s.data(), static_cast<int32_t>(s.size()));
            return s;
        }
        case TValueType::vaWString: {
            const int32_t units = stream_.ReadInt32();
            if (units < 0 || units > stream_.Remaining() / 2) throw EReadError("Invalid length in stream");
            std::string utf8;
            for (int32_t i = 0; i < units; ++i) {
                uint8_t b[2];
                stream_.ReadBuffer(b, 2);
                const unsigned u = b[0] | b[1] << 8;
                // Surrogates are kept as their code units; layouts do not use them.
                if (u < 0x80) utf8 += static_cast<char>(u);
                else if (u < 0x800) utf8 += {static_cast<char>(0xC0 | u >> 6), static_cast<char>(0x80 | (u & 0x3F))};
                else
                    utf8 += {static_cast<char>(0xE0 | u >> 12), static_cast<char>(0x80 | (u >> 6 & 0x3F)),
                             static_cast<char>(0x80 | (u & 0x3F))};
            }
            return utf8;
        }
        default: throw EPropertyValueError("String expected, found " + ValueName(type));
    }
}

std::string TReader::ReadIdent() {
    const TValueType type = ReadValue();
    switch (type) {
        case TValueType::vaIdent: return ReadStr();
        case TValueType::vaFalse: return "False";
        case TValueType::vaTrue: return "True";
        case TValueType::vaNil: return "nil";
        case TValueType::vaNull: return "Null";
        default: throw EPropertyValueError("Identifier expected, found " + ValueName(type));
    }
}

long double TReader::ReadFloat() {
    const TValueType type = NextValue();
    uint8_t buf[10];
    switch (type) {
        case TValueType::vaExtended:
            ReadValue();
            stream_.ReadBuffer(buf, 10);
            return DecodeFloat(buf);
        case TValueType::vaSingle: {
            ReadValue();
            stream_.ReadBuffer(buf, 4);
            const auto bits = static_cast<uint32_t>(GetLE(buf, 4));
            float f;
            std::memcpy(&f, &bits, 4);
            return f;
        }
        case TValueType::vaDate: {
            ReadValue();
            stream_.ReadBuffer(buf, 8);
            const auto bits = static_cast<uint64_t>(GetLE(buf, 8));
            double d;
            std::memcpy(&d, &bits, 8);
            return d;
        }
        case TValueType::vaCurrency:
            ReadValue();
            stream_.ReadBuffer(buf, 8);
            return static_cast<long double>(GetLE(buf, 8)) / 10000;
        default: return static_cast<long double>(ReadInt64());
    }
}

void TReader::ReadListBegin() {
    const TValueType type = ReadValue();
    if (type != TValueType::vaList) throw EPropertyValueError("List expected, found " + ValueName(type));
}

void TReader::ReadListEnd() {
    const TValueType type = ReadValue();
    if (type != TValueType::vaNull) throw EReadError("End of list expected, found " + ValueName(type));
}

void TReader::SkipValue() { SkipValue(0); }

void TReader::SkipValue(int depth) {
    if (depth > kMaxNestingDepth) throw EReadError("Stream nested too deeply");
    const TValueType type = ReadValue();
    auto skip = [this](int64_t bytes) {
        if (bytes < 0 || bytes > stream_.Remaining()) throw EReadError("Stream read error");
        stream_.Seek(bytes, TSeekOrigin::Current);
    };
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
        case TValueType::vaWString: return skip(int64_t(stream_.ReadInt32()) * 2);
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
    EnterNesting();
    DepthGuard guard{depth_};
    SkipProperties();
    while (!EndOfList()) SkipComponentRecord();
    ReadListEnd();
}

void TReader::SkipComponentRecord() {
    ReadPrefix();
    ReadStr();
    ReadStr();
    SkipComponent();
}
