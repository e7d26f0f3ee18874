#include <climits>
#include <cstring>

#include "support/framework/depth_guard.h"
#include "support/framework/exceptions.h"
#include "support/framework/float_text.h"
#include "support/framework/object_text.h"
#include "support/framework/stream.h"
#include "support/framework/value_codec.h"

namespace {
constexpr char kLineEnd[] = "\r\n";
constexpr size_t kStringPieceBytes = 64;
constexpr size_t kBinaryLineBytes = 32;
constexpr int64_t kCurrencyScale = 10000;

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
    static void CheckDepth(int depth) { CheckNestingDepth(depth, "Component data nested too deeply"); }

    std::string Identifier(bool dotted, const char* what) {
        std::string name = reader_.ShortString();
        if (!IsIdentifier(name, dotted)) throw EReadError(std::string("Invalid ") + what + " in component data");
        return name;
    }

    int64_t Integer(uint8_t code) { return reader_.IntegerAfter(TValueType(code)); }

    // Child positions and collection indexes are at most 32-bit integers.
    int64_t Index(uint8_t code) {
        const int size = IntegerSize(TValueType(code));
        if (size == 0 || size > 4) throw EReadError("Integer expected in component data, found value code " + std::to_string(code));
        return reader_.Signed(size);
    }

    void Object(uint8_t first, int level, int depth) {
        CheckDepth(depth);
        uint8_t flags = 0;
        std::string position;
        if ((first & 0xF0) == 0xF0) {
            flags = first & 0x0F;
            if (flags & ffChildPos) position = " [" + std::to_string(Index(reader_.Byte())) + "]";
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

    std::string Extended() {
        const std::optional<long double> value = reader_.Extended();
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
            case TValueType::vaInt32:
            case TValueType::vaInt64: text_ += std::to_string(Integer(code)); return;
            case TValueType::vaExtended: text_ += Extended(); return;
            case TValueType::vaSingle: text_ += DecimalText(static_cast<float>(reader_.FloatAfter(TValueType(code)))) + 's'; return;
            case TValueType::vaDate: text_ += DecimalText(static_cast<double>(reader_.FloatAfter(TValueType(code)))) + 'd'; return;
            case TValueType::vaCurrency: text_ += CurrencyText(reader_.Signed(8)); return;
            case TValueType::vaString:
            case TValueType::vaLString:
            case TValueType::vaUTF8String:
            case TValueType::vaWString: text_ += StringText(reader_.StringAfter(TValueType(code)), inner); return;
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
                text_ += " [" + std::to_string(Index(code)) + "]";
                code = reader_.Byte();
            }
            if (TValueType(code) != TValueType::vaList) throw EReadError("Invalid collection item in component data");
            text_ += kLineEnd;
            Properties(inner + 2, depth);
            text_ += Indent(inner) + "end";
        }
        text_ += '>';
    }

    TValueDecoder reader_;
    std::string text_;
};
}  // namespace

void HObjectBinaryToText(int level, TStream* in, TStream* out) {
    char signature[sizeof kFilerSignature];
    if (in->Read(signature, sizeof signature) != sizeof signature ||
        std::memcmp(signature, kFilerSignature, sizeof signature) != 0)
        throw EReadError("Invalid stream format");
    if (level < 0) throw EReadError("Invalid nesting level");
    const std::string text = TObjectTextWriter(*in).ObjectText(level);
    if (text.size() > INT32_MAX) throw EReadError("Component data too large for object text");
    out->WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}
