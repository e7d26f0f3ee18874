#include <array>
#include <bit>
#include <cassert>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>

#include "support/framework/exceptions.h"
#include "support/framework/extended_float.h"
#include "support/framework/object_text.h"
#include "support/framework/parser.h"
#include "support/framework/stream.h"
#include "support/framework/value_codes.h"

namespace {
constexpr char kLineEnd[] = "\r\n";
constexpr size_t kStringPieceBytes = 64;
constexpr size_t kBinaryLineBytes = 32;
constexpr int64_t kCurrencyScale = 10000;
// Decimal exponents written without an exponent part.
constexpr int kMinPlainExponent = -5;
constexpr int kMaxPlainExponent = 20;

std::string Indent(int width) { return std::string(static_cast<size_t>(width), ' '); }

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

// Names must read back as the same tokens; dotted names are Symbol(.Symbol)*.
bool IsIdentifier(const std::string& name, bool dotted) {
    bool partStart = true;
    for (const char c : name) {
        if (partStart) {
            if (!IsIdentStart(c)) return false;
            partStart = false;
        } else if (c == '.' && dotted) {
            partStart = true;
        } else if (!IsIdentChar(c)) {
            return false;
        }
    }
    return !partStart;
}

// Reads the record's fields, checking every length against what is left of the stream.
class TRecordReader {
public:
    explicit TRecordReader(TStream& in) : in_(in) {}

    uint8_t Byte() {
        uint8_t b = 0;
        if (in_.Read(&b, 1) != 1) Truncated();
        return b;
    }

    std::string Bytes(int64_t count) {
        if (count < 0 || count > in_.Remaining()) Truncated();
        std::string bytes(static_cast<size_t>(count), '\0');
        if (count > 0) in_.ReadBuffer(bytes.data(), static_cast<int32_t>(count));
        return bytes;
    }

    std::string ShortString() { return Bytes(Byte()); }

    uint64_t Unsigned(int size) {
        const std::string bytes = Bytes(size);
        uint64_t value = 0;
        for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[size_t(i)]);
        return value;
    }

    int64_t Signed(int size) {
        const uint64_t value = Unsigned(size);
        const int unused = 64 - 8 * size;
        return static_cast<int64_t>(value << unused) >> unused;
    }

    int64_t Length() {
        const int64_t length = Signed(4);
        if (length < 0) throw EReadError("Invalid length in component data");
        return length;
    }

    int64_t Remaining() { return in_.Remaining(); }

private:
    [[noreturn]] static void Truncated() { throw EReadError("Component data ends unexpectedly"); }

    TStream& in_;
};

int IntegerSize(TValueType type) {
    switch (type) {
        case TValueType::vaInt8: return 1;
        case TValueType::vaInt16: return 2;
        case TValueType::vaInt32: return 4;
        default: return 0;
    }
}

// Digits of the shortest text that reads back as the same value; '.' is always present.
template <typename Float>
std::string DecimalText(Float value) {
    if (!std::isfinite(value)) throw EReadError("Invalid floating point value");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string scientific(buffer, result.ptr);  // [-]d[.ddd]e(+|-)xx
    const bool negative = scientific[0] == '-';
    const size_t e = scientific.find('e');
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < e; ++i)
        if (scientific[i] != '.') digits += scientific[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::stoi(scientific.substr(e + 1));
    std::string text = negative ? "-" : "";
    if (exponent < kMinPlainExponent || exponent > kMaxPlainExponent) {
        text += digits.substr(0, 1) + '.' + (digits.size() > 1 ? digits.substr(1) : "0");
        return text + 'E' + std::to_string(exponent);
    }
    if (exponent < 0) return text + "0." + std::string(size_t(-exponent - 1), '0') + digits;
    const size_t integerDigits = size_t(exponent) + 1;
    if (digits.size() <= integerDigits) return text + digits + std::string(integerDigits - digits.size(), '0') + ".0";
    return text + digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
}

std::string CurrencyText(int64_t scaled) {
    const uint64_t magnitude = scaled < 0 ? uint64_t(0) - uint64_t(scaled) : uint64_t(scaled);
    std::string fraction = std::to_string(magnitude % kCurrencyScale);
    fraction = std::string(4 - fraction.size(), '0') + fraction;
    while (fraction.size() > 1 && fraction.back() == '0') fraction.pop_back();
    return (scaled < 0 ? "-" : "") + std::to_string(magnitude / kCurrencyScale) + '.' + fraction + 'c';
}

// Bytes >= 0x20 in quotes (quote doubled), others as #nn.
std::string QuotedPiece(const std::string& bytes) {
    std::string text;
    bool quoted = false;
    for (const char c : bytes) {
        const bool control = static_cast<unsigned char>(c) < 0x20;
        if (control == quoted) {
            text += '\'';
            quoted = !quoted;
        }
        if (control) text += '#' + std::to_string(int(c));
        else text += c == '\'' ? "''" : std::string(1, c);
    }
    return quoted ? text + '\'' : text;
}

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Ends a piece after kStringPieceBytes, moved back to the start of a UTF-8 sequence.
size_t PieceEnd(const std::string& bytes, size_t start) {
    const size_t end = start + kStringPieceBytes;
    if (end >= bytes.size()) return bytes.size();
    size_t boundary = end;
    for (int back = 0; back < 3 && IsUtf8Continuation(bytes[boundary]); ++back) --boundary;
    return IsUtf8Continuation(bytes[boundary]) ? end : boundary;
}

std::string StringText(const std::string& bytes, int inner) {
    if (bytes.empty()) return "''";
    std::string text;
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = PieceEnd(bytes, start);
        if (start > 0) text += std::string(" +") + kLineEnd + Indent(inner);
        text += QuotedPiece(bytes.substr(start, end - start));
        start = end;
    }
    return text;
}

std::string BinaryText(const std::string& bytes, int inner) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string text = "{";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % kBinaryLineBytes == 0) text += kLineEnd + Indent(inner);
        const auto b = static_cast<unsigned char>(bytes[i]);
        text += kHex[b >> 4];
        text += kHex[b & 0x0F];
    }
    return text + '}';
}

class TObjectTextWriter {
public:
    explicit TObjectTextWriter(TStream& in) : reader_(in) {}

    std::string ObjectText(int level) {
        Object(reader_.Byte(), level, 1);
        return std::move(text_);
    }

private:
    static void CheckDepth(int depth) {
        if (depth > kMaxNestingDepth) throw EReadError("Component data nested too deeply");
    }

    std::string Identifier(bool dotted, const char* what) {
        std::string name = reader_.ShortString();
        if (!IsIdentifier(name, dotted)) throw EReadError(std::string("Invalid ") + what + " in component data");
        return name;
    }

    int64_t Integer(uint8_t code) {
        const int size = IntegerSize(TValueType(code));
        if (size == 0) throw EReadError("Integer expected in component data, found value code " + std::to_string(code));
        return reader_.Signed(size);
    }

    void Object(uint8_t first, int level, int depth) {
        CheckDepth(depth);
        uint8_t flags = 0;
        std::string position;
        if ((first & 0xF0) == 0xF0) {
            flags = first & 0x0F;
            if (flags & ffChildPos) position = " [" + std::to_string(Integer(reader_.Byte())) + "]";
            first = reader_.Byte();
        }
        const std::string className = reader_.Bytes(first);
        if (!IsIdentifier(className, false)) throw EReadError("Invalid class name in component data");
        const std::string name = reader_.ShortString();
        if (!name.empty() && !IsIdentifier(name, false)) throw EReadError("Invalid object name in component data");
        const char* keyword = flags & ffInherited ? "inherited" : flags & ffInline ? "inline" : "object";
        text_ += Indent(2 * level) + keyword + ' ' + (name.empty() ? "" : name + ": ") + className + position + kLineEnd;
        Properties(2 * level + 2, depth);
        for (uint8_t b = reader_.Byte(); b != 0; b = reader_.Byte()) Object(b, level + 1, depth + 1);
        text_ += Indent(2 * level) + "end" + kLineEnd;
    }

    // Properties up to the empty name that ends them, each on its own line.
    void Properties(int indent, int depth) {
        for (;;) {
            const std::string name = reader_.ShortString();
            if (name.empty()) return;
            const std::string firstPart = name.substr(0, name.find('.'));
            if (!IsIdentifier(name, true) || IsObjectTextKeyword(firstPart))
                throw EReadError("Invalid property name in component data");
            text_ += Indent(indent) + name + " = ";
            Value(reader_.Byte(), indent + 2, depth);
            text_ += kLineEnd;
        }
    }

    template <typename Bits, typename Float>
    Float FloatValue() {
        return std::bit_cast<Float>(static_cast<Bits>(reader_.Unsigned(sizeof(Bits))));
    }

    std::string WideStringUtf8() {
        const int64_t length = reader_.Length();
        if (length > reader_.Remaining() / 2) throw EReadError("Component data ends unexpectedly");
        const std::string bytes = reader_.Bytes(2 * length);
        std::u16string units(static_cast<size_t>(length), u'\0');
        for (size_t i = 0; i < units.size(); ++i)
            units[i] = char16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
        return Utf16ToUtf8(units);
    }

    std::string Extended() {
        TExtendedBytes bytes;
        const std::string raw = reader_.Bytes(bytes.size());
        std::memcpy(bytes.data(), raw.data(), bytes.size());
        const auto value = DecodeExtended(bytes);
        if (!value) throw EReadError("Invalid floating point value");
        return DecimalText(*value);
    }

    void Value(uint8_t code, int inner, int depth) {
        switch (TValueType(code)) {
            case TValueType::vaNull: text_ += "Null"; return;
            case TValueType::vaNil: text_ += "nil"; return;
            case TValueType::vaFalse: text_ += "False"; return;
            case TValueType::vaTrue: text_ += "True"; return;
            case TValueType::vaInt8:
            case TValueType::vaInt16:
            case TValueType::vaInt32: text_ += std::to_string(Integer(code)); return;
            case TValueType::vaInt64: text_ += std::to_string(reader_.Signed(8)); return;
            case TValueType::vaExtended: text_ += Extended(); return;
            case TValueType::vaSingle: text_ += DecimalText(FloatValue<uint32_t, float>()) + 's'; return;
            case TValueType::vaDate: text_ += DecimalText(FloatValue<uint64_t, double>()) + 'd'; return;
            case TValueType::vaCurrency: text_ += CurrencyText(reader_.Signed(8)); return;
            case TValueType::vaString: text_ += StringText(reader_.ShortString(), inner); return;
            case TValueType::vaLString:
            case TValueType::vaUTF8String: text_ += StringText(reader_.Bytes(reader_.Length()), inner); return;
            case TValueType::vaWString: text_ += StringText(WideStringUtf8(), inner); return;
            case TValueType::vaIdent: text_ += Identifier(true, "identifier"); return;
            case TValueType::vaBinary: text_ += BinaryText(reader_.Bytes(reader_.Length()), inner); return;
            case TValueType::vaSet: Set(); return;
            case TValueType::vaList: List(inner, depth + 1); return;
            case TValueType::vaCollection: Collection(inner, depth + 1); return;
        }
        throw EReadError("Invalid value code " + std::to_string(code) + " in component data");
    }

    void Set() {
        text_ += '[';
        for (uint8_t length = reader_.Byte(); length != 0; length = reader_.Byte()) {
            const std::string element = reader_.Bytes(length);
            if (!IsIdentifier(element, false)) throw EReadError("Invalid set element in component data");
            if (text_.back() != '[') text_ += ", ";
            text_ += element;
        }
        text_ += ']';
    }

    void List(int inner, int depth) {
        CheckDepth(depth);
        text_ += '(';
        for (uint8_t code = reader_.Byte(); code != 0; code = reader_.Byte()) {
            text_ += kLineEnd + Indent(inner);
            Value(code, inner + 2, depth);
        }
        text_ += ')';
    }

    void Collection(int inner, int depth) {
        CheckDepth(depth);
        text_ += '<';
        for (uint8_t code = reader_.Byte(); code != 0; code = reader_.Byte()) {
            text_ += kLineEnd + Indent(inner) + "item";
            if (IntegerSize(TValueType(code)) != 0) {
                text_ += " [" + std::to_string(Integer(code)) + "]";
                code = reader_.Byte();
            }
            if (TValueType(code) != TValueType::vaList) throw EReadError("Invalid collection item in component data");
            text_ += kLineEnd;
            Properties(inner + 2, depth);
            text_ += Indent(inner) + "end";
        }
        text_ += '>';
    }

    TRecordReader reader_;
    std::string text_;
};
}  // namespace

void HObjectBinaryToText(int level, TStream* in, TStream* out) {
    char signature[sizeof kFilerSignature];
    if (in->Read(signature, sizeof signature) != sizeof signature ||
        std::memcmp(signature, kFilerSignature, sizeof signature) != 0)
        throw EReadError("Invalid stream format");
    assert(level >= 0);
    const std::string text = TObjectTextWriter(*in).ObjectText(level);
    if (text.size() > INT32_MAX) throw EReadError("Component data too large for object text");
    out->WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}
