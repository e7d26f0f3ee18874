#include "value_codec.h"

#include <bit>
#include <cstring>

#include "exceptions.h"
#include "extended_float.h"
#include "stream.h"
#include "text_case.h"
#include "utf_text.h"

namespace {
constexpr size_t kMaxShortString = 255;

[[noreturn]] void Truncated() { throw EReadError("Component data ends unexpectedly"); }
}  // namespace

void TValueEncoder::Byte(uint8_t value) { out_.WriteBuffer(&value, 1); }

void TValueEncoder::Bytes(const void* data, size_t count) {
    if (count > static_cast<size_t>(INT32_MAX)) throw EWriteError("Value too large to write");
    if (count > 0) out_.WriteBuffer(data, static_cast<int32_t>(count));
}

void TValueEncoder::Unsigned(uint64_t value, int size) {
    uint8_t bytes[8];
    for (int i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    Bytes(bytes, static_cast<size_t>(size));
}

void TValueEncoder::ShortString(const std::string& text) {
    if (text.size() > kMaxShortString) throw EWriteError("Name too long to write: " + text.substr(0, 40) + "...");
    Byte(static_cast<uint8_t>(text.size()));
    Bytes(text.data(), text.size());
}

void TValueEncoder::Integer(int64_t value) {
    if (value >= INT8_MIN && value <= INT8_MAX) {
        Code(TValueType::vaInt8);
        Unsigned(static_cast<uint64_t>(value), 1);
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        Code(TValueType::vaInt16);
        Unsigned(static_cast<uint64_t>(value), 2);
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        Code(TValueType::vaInt32);
        Unsigned(static_cast<uint64_t>(value), 4);
    } else {
        Code(TValueType::vaInt64);
        Unsigned(static_cast<uint64_t>(value), 8);
    }
}

void TValueEncoder::String(const std::string& text) {
    if (text.size() > kMaxShortString) return Counted(TValueType::vaLString, text);
    Code(TValueType::vaString);
    ShortString(text);
}

void TValueEncoder::Counted(TValueType type, const std::string& bytes) {
    if (bytes.size() > static_cast<size_t>(INT32_MAX)) throw EWriteError("Value too large to write");
    Code(type);
    Unsigned(bytes.size(), 4);
    Bytes(bytes.data(), bytes.size());
}

void TValueEncoder::Ident(const std::string& ident) {
    if (SameText(ident, "False")) return Code(TValueType::vaFalse);
    if (SameText(ident, "True")) return Code(TValueType::vaTrue);
    if (SameText(ident, "nil")) return Code(TValueType::vaNil);
    if (SameText(ident, "Null")) return Code(TValueType::vaNull);
    Code(TValueType::vaIdent);
    ShortString(ident);
}

void TValueEncoder::Extended(long double value) {
    const TExtendedBytes bytes = EncodeExtended(value);
    Code(TValueType::vaExtended);
    Bytes(bytes.data(), bytes.size());
}

void TValueEncoder::Single(float value) {
    Code(TValueType::vaSingle);
    Unsigned(std::bit_cast<uint32_t>(value), 4);
}

void TValueEncoder::Date(double value) {
    Code(TValueType::vaDate);
    Unsigned(std::bit_cast<uint64_t>(value), 8);
}

void TValueEncoder::Currency(int64_t scaledBy10000) {
    Code(TValueType::vaCurrency);
    Unsigned(static_cast<uint64_t>(scaledBy10000), 8);
}

void TValueEncoder::Set(const std::vector<std::string>& names) {
    Code(TValueType::vaSet);
    for (const std::string& name : names) ShortString(name);
    Byte(0);
}

uint8_t TValueDecoder::Byte() {
    uint8_t b = 0;
    if (in_.Read(&b, 1) != 1) Truncated();
    return b;
}

TValueType TValueDecoder::PeekCode() {
    const TValueType code = Code();
    in_.Seek(-1, TSeekOrigin::Current);
    return code;
}

std::string TValueDecoder::Bytes(int64_t count) {
    if (count < 0 || count > Remaining()) Truncated();
    std::string bytes(static_cast<size_t>(count), '\0');
    if (count > 0) in_.ReadBuffer(bytes.data(), static_cast<int32_t>(count));
    return bytes;
}

uint64_t TValueDecoder::Unsigned(int size) {
    const std::string bytes = Bytes(size);
    uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[static_cast<size_t>(i)]);
    return value;
}

int64_t TValueDecoder::Signed(int size) {
    const uint64_t value = Unsigned(size);
    const int unused = 64 - 8 * size;
    return unused == 0 ? static_cast<int64_t>(value) : static_cast<int64_t>(value << unused) >> unused;
}

int64_t TValueDecoder::Length() {
    const int64_t length = Signed(4);
    if (length < 0) throw EReadError("Invalid length in component data");
    if (length > Remaining()) Truncated();
    return length;
}

int64_t TValueDecoder::Remaining() const { return in_.Remaining(); }

void TValueDecoder::Skip(int64_t count) {
    if (count < 0 || count > Remaining()) Truncated();
    in_.Seek(count, TSeekOrigin::Current);
}

std::optional<long double> TValueDecoder::Extended() {
    TExtendedBytes bytes;
    const std::string raw = Bytes(static_cast<int64_t>(bytes.size()));
    std::memcpy(bytes.data(), raw.data(), bytes.size());
    return DecodeExtended(bytes);
}

int64_t TValueDecoder::IntegerAfter(TValueType code) {
    const int size = IntegerSize(code);
    if (size == 0) throw EReadError("Integer expected, found " + ValueCodeName(code));
    return Signed(size);
}

std::string TValueDecoder::StringAfter(TValueType code) {
    switch (code) {
        case TValueType::vaString: return ShortString();
        case TValueType::vaLString:
        case TValueType::vaUTF8String: return Bytes(Length());
        case TValueType::vaWString: {
            const int64_t units = Signed(4);
            if (units < 0 || units > Remaining() / 2) Truncated();
            const std::string bytes = Bytes(2 * units);
            std::u16string text(static_cast<size_t>(units), u'\0');
            for (size_t i = 0; i < text.size(); ++i)
                text[i] = static_cast<char16_t>(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
            return Utf16ToUtf8(text);
        }
        default: throw EReadError("String expected, found " + ValueCodeName(code));
    }
}

long double TValueDecoder::FloatAfter(TValueType code) {
    switch (code) {
        case TValueType::vaExtended: {
            const std::optional<long double> value = Extended();
            if (!value) throw EReadError("Invalid floating point value");
            return *value;
        }
        case TValueType::vaSingle: return std::bit_cast<float>(static_cast<uint32_t>(Unsigned(4)));
        case TValueType::vaDate: return std::bit_cast<double>(Unsigned(8));
        case TValueType::vaCurrency: return static_cast<long double>(Signed(8)) / 10000;
        default: return static_cast<long double>(IntegerAfter(code));
    }
}

int IntegerSize(TValueType code) {
    switch (code) {
        case TValueType::vaInt8: return 1;
        case TValueType::vaInt16: return 2;
        case TValueType::vaInt32: return 4;
        case TValueType::vaInt64: return 8;
        default: return 0;
    }
}

bool IsStringCode(TValueType code) {
    return code == TValueType::vaString || code == TValueType::vaLString || code == TValueType::vaWString ||
           code == TValueType::vaUTF8String;
}

bool IsFloatCode(TValueType code) {
    return code == TValueType::vaExtended || code == TValueType::vaSingle || code == TValueType::vaDate ||
           code == TValueType::vaCurrency;
}

std::string ValueCodeName(TValueType code) {
    static const char* const names[] = {"Null",     "List",     "Int8",   "Int16", "Int32",   "Extended", "String",
                                        "Ident",    "False",    "True",   "Binary", "Set",    "LString",  "Nil",
                                        "Collection", "Single", "Currency", "Date", "WString", "Int64",   "UTF8String"};
    const auto index = static_cast<size_t>(code);
    return index < std::size(names) ? names[index] : "value " + std::to_string(index);
}
