#include <algorithm>
#include <climits>
#include <optional>

#include "support/framework/exceptions.h"
#include "support/framework/object_text.h"
#include "support/framework/parser.h"
#include "support/framework/stream.h"
#include "support/framework/text_case.h"
#include "support/framework/value_codec.h"

namespace {
constexpr size_t kMaxShortString = 255;
// A class name this long would look like a prefix byte; a prefix with no flags goes first.
constexpr size_t kFirstPrefixByte = 0xF0;
constexpr int kCurrencyDigits = 4;
constexpr int64_t kExponentLimit = 100000;

struct TDecimal {
    std::string digits;    // without leading zeros
    int64_t exponent = 0;  // value = digits * 10^exponent
};

// digits[.digits][e[+-]digits], the shape of a float token.
TDecimal SplitDecimal(const std::string& text) {
    TDecimal decimal;
    size_t i = 0;
    bool fraction = false;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            fraction = true;
        } else {
            if (!decimal.digits.empty() || text[i] != '0') decimal.digits += text[i];
            if (fraction) --decimal.exponent;
        }
    }
    if (i >= text.size()) return decimal;
    const bool negative = ++i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    int64_t exponent = 0;
    for (; i < text.size(); ++i) exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentLimit);
    decimal.exponent += negative ? -exponent : exponent;
    return decimal;
}

// The value times 10000, rounded half away from zero; nothing when it does not fit.
std::optional<int64_t> ScaledCurrency(const std::string& text, bool negative) {
    const TDecimal decimal = SplitDecimal(text);
    const uint64_t limit = negative ? uint64_t(1) << 63 : uint64_t(INT64_MAX);
    const int64_t integerDigits = int64_t(decimal.digits.size()) + decimal.exponent + kCurrencyDigits;
    uint64_t magnitude = 0;
    for (int64_t i = 0; i < integerDigits; ++i) {
        const uint64_t digit = i < int64_t(decimal.digits.size()) ? uint64_t(decimal.digits[size_t(i)] - '0') : 0;
        if (magnitude > (limit - digit) / 10) return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    const bool roundUp = integerDigits >= 0 && integerDigits < int64_t(decimal.digits.size()) &&
                         decimal.digits[size_t(integerDigits)] >= '5';
    if (roundUp && ++magnitude > limit) return std::nullopt;
    return static_cast<int64_t>(negative ? uint64_t(0) - magnitude : magnitude);
}

// Collects the record; written to the caller's stream only when the text was read completely.
class TRecordBuilder : public TValueEncoder {
public:
    TRecordBuilder() : TValueEncoder(bytes_) {}
    TMemoryStream& Stream() { return bytes_; }

private:
    TMemoryStream bytes_;
};

class TObjectTextReader {
public:
    explicit TObjectTextReader(TParser& parser) : parser_(parser) {}

    TMemoryStream& Record() {
        record_.Bytes(kFilerSignature, sizeof kFilerSignature);
        Object(1);
        return record_.Stream();
    }

private:
    void CheckDepth(int depth) const {
        if (depth > kMaxNestingDepth) parser_.Error("Nesting too deep");  // with the line, as every parse error
    }

    bool AtObjectStart() const {
        return parser_.TokenSymbolIs("object") || parser_.TokenSymbolIs("inherited") || parser_.TokenSymbolIs("inline");
    }

    void CheckShortString(const std::string& text) const {
        if (text.size() > kMaxShortString) parser_.Error("Name longer than 255 characters");
    }

    void ShortString(const std::string& text) {
        CheckShortString(text);
        record_.ShortString(text);
    }

    std::string Symbol() {
        parser_.CheckToken(toSymbol);
        std::string symbol = parser_.TokenString();
        CheckShortString(symbol);
        parser_.NextToken();
        return symbol;
    }

    // "[n]" after an object header or a collection item.
    void Index() {
        parser_.NextToken();
        const bool negative = parser_.Token() == '-';
        if (negative) parser_.NextToken();
        parser_.CheckToken(toInteger);
        const int64_t value = negative ? parser_.TokenNegatedInt() : parser_.TokenInt();
        if (value < INT32_MIN || value > INT32_MAX) parser_.Error("Index out of range");
        record_.Integer(value);
        parser_.NextToken();
        parser_.CheckToken(']');
        parser_.NextToken();
    }

    uint8_t HeaderFlags() const {
        if (parser_.TokenSymbolIs("object")) return 0;
        if (parser_.TokenSymbolIs("inherited")) return ffInherited;
        if (parser_.TokenSymbolIs("inline")) return ffInline;
        parser_.Error("'object' expected");
    }

    void Object(int depth) {
        CheckDepth(depth);
        uint8_t flags = HeaderFlags();
        parser_.NextToken();
        std::string name;
        std::string className = Symbol();
        if (parser_.Token() == ':') {
            parser_.NextToken();
            name = std::move(className);
            className = Symbol();
        }
        if (parser_.Token() == '[') flags |= ffChildPos;
        if (flags != 0 || className.size() >= kFirstPrefixByte) record_.Byte(0xF0 | flags);
        if (flags & ffChildPos) Index();
        ShortString(className);
        ShortString(name);
        while (!parser_.TokenSymbolIs("end") && !AtObjectStart()) Property(depth);
        record_.Byte(0);
        while (!parser_.TokenSymbolIs("end")) Object(depth + 1);
        record_.Byte(0);
        parser_.NextToken();
    }

    void Property(int depth) {
        parser_.CheckToken(toSymbol);
        if (IsObjectTextKeyword(parser_.TokenString())) parser_.Error("Invalid property name " + parser_.TokenString());
        ShortString(parser_.TokenComponentIdent());
        parser_.NextToken();
        parser_.CheckToken('=');
        parser_.NextToken();
        Value(depth, false);
    }

    // A Null list item would read as the end of the list.
    void Value(int depth, bool listItem) {
        switch (parser_.Token()) {
            case toInteger: record_.Integer(parser_.TokenInt()); break;
            case toFloat: Float(false); break;
            case '-': Negative(); break;
            case toString:
            case toWString: String(); return;
            case toSymbol: Identifier(listItem); break;
            case '[': Set(); break;
            case '(': List(depth + 1); break;
            case '{': Binary(); break;
            case '<': Collection(depth + 1); break;
            case toEOF: parser_.Error("Unexpected end of text");
            default: parser_.Error("Invalid property value");
        }
        parser_.NextToken();
    }

    void Negative() {
        parser_.NextToken();
        if (parser_.Token() == toInteger) record_.Integer(parser_.TokenNegatedInt());
        else if (parser_.Token() == toFloat) Float(true);
        else parser_.Error("Number expected");
    }

    void Float(bool negative) {
        switch (parser_.FloatType()) {
            case 's': {
                const float value = parser_.TokenSingle();
                record_.Single(negative ? -value : value);
                return;
            }
            case 'd': {
                const double value = parser_.TokenDouble();
                record_.Date(negative ? -value : value);
                return;
            }
            case 'c': {
                const auto value = ScaledCurrency(parser_.TokenString(), negative);
                if (!value) parser_.Error("Currency value out of range");
                record_.Currency(*value);
                return;
            }
        }
        const long double value = parser_.TokenFloat();
        record_.Extended(negative ? -value : value);
    }

    // Adjacent strings joined with '+'; leaves the parser after the last one.
    void String() {
        std::string text = parser_.TokenString();
        while (parser_.NextToken() == '+') {
            parser_.NextToken();
            if (parser_.Token() != toString && parser_.Token() != toWString) parser_.Error("String expected");
            text += parser_.TokenString();
        }
        record_.String(text);
    }

    void Identifier(bool listItem) {
        const std::string name = parser_.TokenComponentIdent();
        if (parser_.TokenSymbolIs("False")) {
            record_.Code(TValueType::vaFalse);
        } else if (parser_.TokenSymbolIs("True")) {
            record_.Code(TValueType::vaTrue);
        } else if (parser_.TokenSymbolIs("nil")) {
            record_.Code(TValueType::vaNil);
        } else if (parser_.TokenSymbolIs("Null")) {
            if (listItem) parser_.Error("Null cannot be a list item");
            record_.Code(TValueType::vaNull);
        } else {
            record_.Code(TValueType::vaIdent);
            ShortString(name);
        }
    }

    void Set() {
        record_.Code(TValueType::vaSet);
        if (parser_.NextToken() != ']') {
            for (;;) {
                parser_.CheckToken(toSymbol);
                ShortString(parser_.TokenString());
                if (parser_.NextToken() != ',') break;
                parser_.NextToken();
            }
        }
        parser_.CheckToken(']');
        record_.Byte(0);
    }

    void List(int depth) {
        CheckDepth(depth);
        record_.Code(TValueType::vaList);
        parser_.NextToken();
        while (parser_.Token() != ')') Value(depth, true);
        record_.Byte(0);
    }

    void Binary() {
        TMemoryStream data;
        parser_.HexToBinary(data);
        record_.Counted(TValueType::vaBinary, std::string(data.Bytes().begin(), data.Bytes().end()));
    }

    void Collection(int depth) {
        CheckDepth(depth);
        record_.Code(TValueType::vaCollection);
        parser_.NextToken();
        while (parser_.Token() != '>') {
            parser_.CheckTokenSymbol("item");
            parser_.NextToken();
            if (parser_.Token() == '[') Index();
            record_.Code(TValueType::vaList);
            while (!parser_.TokenSymbolIs("end")) Property(depth);
            record_.Byte(0);
            parser_.NextToken();
        }
        record_.Byte(0);
    }

    TParser& parser_;
    TRecordBuilder record_;
};
}  // namespace

bool IsObjectTextKeyword(const std::string& word) {
    return SameText(word, "object") || SameText(word, "inherited") || SameText(word, "inline") ||
           SameText(word, "end");
}

void HObjectTextToBinary(TParser* parser, TStream* out) {
    TObjectTextReader reader(*parser);
    const TMemoryStream& record = reader.Record();
    out->WriteBuffer(record.Memory(), static_cast<int32_t>(record.Bytes().size()));
}
