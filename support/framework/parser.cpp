#include "support/framework/parser.h"

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "support/framework/exceptions.h"
#include "support/framework/stream.h"
#include "support/framework/text_case.h"
#include "support/framework/utf_text.h"

namespace {
constexpr uint64_t kMaxNegatableMagnitude = uint64_t(1) << 63;
constexpr uint32_t kMaxCharacterCode = 0xFFFF;
// Marks a string unit that is a source byte rather than a #nn character code.
constexpr uint32_t kSourceByte = 0x80000000u;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The C library reads numbers with the locale's decimal point; object text always uses '.'.
std::string WithLocaleDecimalPoint(std::string text) {
    const char point = *std::localeconv()->decimal_point;
    if (point != '.')
        for (char& c : text)
            if (c == '.') c = point;
    return text;
}

// Nothing when the text overflows the type; underflow rounds to a denormal or zero.
template <typename Float>
std::optional<Float> ParseFloatText(const std::string& text, Float (*convert)(const char*, char**)) {
    const std::string local = WithLocaleDecimalPoint(text);
    char* end = nullptr;
    const Float value = convert(local.c_str(), &end);
    if (end != local.c_str() + local.size() || std::isinf(value) || std::isnan(value)) return std::nullopt;
    return value;
}
}  // namespace

TParser::TParser(TStream& stream) {
    const int64_t size = stream.Remaining();
    if (size > INT32_MAX) throw EParserError("Text too large");
    source_.resize(static_cast<size_t>(size));
    if (size > 0) stream.ReadBuffer(source_.data(), static_cast<int32_t>(size));
    // A zero byte ends the text, as in zero-terminated buffers.
    source_.resize(std::min(source_.size(), source_.find('\0')));
    NextToken();
}

void TParser::SkipBlanks() {
    while (position_ < source_.size() && IsBlank(source_[position_])) {
        if (source_[position_] == '\n') ++line_;
        ++position_;
    }
}

char TParser::NextToken() {
    SkipBlanks();
    tokenString_.clear();
    floatType_ = 0;
    if (position_ >= source_.size()) return token_ = toEOF;
    const char c = source_[position_];
    if (IsIdentStart(c)) {
        ScanSymbol();
    } else if (IsDigit(c)) {
        ScanNumber();
    } else if (c == '$') {
        ScanHexNumber();
    } else if (c == '\'' || c == '#') {
        ScanString();
    } else if (static_cast<unsigned char>(c) < 0x20) {
        Error("Invalid character #" + std::to_string(int(c)));
    } else {
        token_ = c;
        tokenString_ = std::string(1, c);
        ++position_;
    }
    return token_;
}

void TParser::ScanSymbol() {
    const size_t start = position_;
    while (position_ < source_.size() && IsIdentChar(source_[position_])) ++position_;
    tokenString_ = source_.substr(start, position_ - start);
    token_ = toSymbol;
}

void TParser::ScanNumber() {
    const size_t start = position_;
    auto digitAt = [this](size_t i) { return i < source_.size() && IsDigit(source_[i]); };
    auto skipDigits = [&] { while (digitAt(position_)) ++position_; };
    skipDigits();
    bool isFloat = false;
    if (position_ < source_.size() && source_[position_] == '.' && digitAt(position_ + 1)) {
        ++position_;
        skipDigits();
        isFloat = true;
    }
    if (position_ < source_.size() && (source_[position_] == 'e' || source_[position_] == 'E')) {
        size_t digits = position_ + 1;
        if (digits < source_.size() && (source_[digits] == '+' || source_[digits] == '-')) ++digits;
        if (digitAt(digits)) {
            position_ = digits;
            skipDigits();
            isFloat = true;
        }
    }
    tokenString_ = source_.substr(start, position_ - start);
    if (isFloat) {
        token_ = toFloat;
        const char suffix = position_ < source_.size() ? AsciiLower(source_[position_]) : 0;
        if (suffix == 's' || suffix == 'c' || suffix == 'd') {
            floatType_ = suffix;
            ++position_;
        }
        return;
    }
    integer_ = 0;
    hexInteger_ = false;
    for (char c : tokenString_) {
        const uint64_t digit = uint64_t(c - '0');
        if (integer_ > (kMaxNegatableMagnitude - digit) / 10) Error("Integer value out of range: " + tokenString_);
        integer_ = integer_ * 10 + digit;
    }
    token_ = toInteger;
}

void TParser::ScanHexNumber() {
    const size_t start = position_++;
    integer_ = 0;
    hexInteger_ = true;
    while (position_ < source_.size() && HexValue(source_[position_]) >= 0) {
        if (integer_ >> 60) Error("Integer value out of range");
        integer_ = integer_ << 4 | uint64_t(HexValue(source_[position_]));
        ++position_;
    }
    if (position_ == start + 1) Error("Invalid hexadecimal number");
    tokenString_ = source_.substr(start, position_ - start);
    token_ = toInteger;
}

uint32_t TParser::ScanCharacterCode() {
    ++position_;  // '#'
    const bool hex = position_ < source_.size() && source_[position_] == '$';
    if (hex) ++position_;
    const size_t start = position_;
    uint32_t code = 0;
    while (position_ < source_.size()) {
        const char c = source_[position_];
        const int digit = hex ? HexValue(c) : (IsDigit(c) ? c - '0' : -1);
        if (digit < 0) break;
        code = code * (hex ? 16 : 10) + uint32_t(digit);
        if (code > kMaxCharacterCode) Error("Invalid character value");
        ++position_;
    }
    if (position_ == start) Error("Invalid character value");
    return code;
}

void TParser::ScanString() {
    std::vector<uint32_t> units;
    bool wide = false;
    while (position_ < source_.size() && (source_[position_] == '\'' || source_[position_] == '#')) {
        if (source_[position_] == '#') {
            const uint32_t code = ScanCharacterCode();
            wide = wide || code > 0xFF;
            units.push_back(code);
            continue;
        }
        for (++position_;; ++position_) {
            if (position_ >= source_.size() || source_[position_] == '\r' || source_[position_] == '\n')
                Error("Unterminated string");
            const char c = source_[position_];
            if (c == '\'') {
                if (position_ + 1 >= source_.size() || source_[position_ + 1] != '\'') break;
                ++position_;
            }
            units.push_back(kSourceByte | static_cast<unsigned char>(c));
        }
        ++position_;  // closing quote
    }
    // Source bytes are UTF-8 already; in a wide string the #nn codes are UTF-16 units.
    tokenString_.clear();
    std::u16string codes;
    for (const uint32_t unit : units) {
        if (wide && !(unit & kSourceByte)) {
            codes += char16_t(unit);
            continue;
        }
        tokenString_ += Utf16ToUtf8(codes);
        codes.clear();
        tokenString_ += char(unit & 0xFF);
    }
    tokenString_ += Utf16ToUtf8(codes);
    token_ = wide ? toWString : toString;
}

void TParser::CheckNumber() const {
    if (token_ != toInteger && token_ != toFloat) Error("Number expected");
}

int64_t TParser::TokenInt() const {
    if (token_ != toInteger) Error("Integer expected");
    if (!hexInteger_ && integer_ > uint64_t(INT64_MAX)) Error("Integer value out of range: " + tokenString_);
    return static_cast<int64_t>(integer_);
}

int64_t TParser::TokenNegatedInt() const {
    if (token_ != toInteger) Error("Integer expected");
    return static_cast<int64_t>(uint64_t(0) - integer_);
}

long double TParser::TokenFloat() const {
    CheckNumber();
    if (token_ == toInteger) return static_cast<long double>(TokenInt());
    const auto value = ParseFloatText<long double>(tokenString_, std::strtold);
    if (!value) Error("Floating point value out of range: " + tokenString_);
    return *value;
}

double TParser::TokenDouble() const {
    CheckNumber();
    if (token_ == toInteger) return static_cast<double>(TokenInt());
    const auto value = ParseFloatText<double>(tokenString_, std::strtod);
    if (!value) Error("Floating point value out of range: " + tokenString_);
    return *value;
}

float TParser::TokenSingle() const {
    CheckNumber();
    if (token_ == toInteger) return static_cast<float>(TokenInt());
    const auto value = ParseFloatText<float>(tokenString_, std::strtof);
    if (!value) Error("Floating point value out of range: " + tokenString_);
    return *value;
}

bool TParser::TokenSymbolIs(const std::string& symbol) const {
    return token_ == toSymbol && SameText(tokenString_, symbol);
}

void TParser::CheckToken(char token) const {
    if (token_ == token) return;
    switch (token) {
        case toEOF: Error("End of text expected");
        case toSymbol: Error("Identifier expected");
        case toString:
        case toWString: Error("String expected");
        case toInteger:
        case toFloat: Error("Number expected");
        default: Error("'" + std::string(1, token) + "' expected");
    }
}

void TParser::CheckTokenSymbol(const std::string& symbol) const {
    if (!TokenSymbolIs(symbol)) Error("'" + symbol + "' expected");
}

std::string TParser::TokenComponentIdent() {
    CheckToken(toSymbol);
    while (position_ < source_.size() && source_[position_] == '.') {
        const size_t start = position_ + 1;
        if (start >= source_.size() || !IsIdentStart(source_[start])) Error("Identifier expected");
        position_ = start;
        while (position_ < source_.size() && IsIdentChar(source_[position_])) ++position_;
        tokenString_ += '.' + source_.substr(start, position_ - start);
    }
    return tokenString_;
}

void TParser::HexToBinary(TStream& out) {
    std::string bytes;
    for (;;) {
        SkipBlanks();
        if (position_ >= source_.size()) Error("Invalid binary value");
        if (source_[position_] == '}') break;
        const int high = HexValue(source_[position_]);
        const int low = position_ + 1 < source_.size() ? HexValue(source_[position_ + 1]) : -1;
        if (high < 0 || low < 0) Error("Invalid binary value");
        bytes += char(high << 4 | low);
        position_ += 2;
    }
    ++position_;
    token_ = '}';
    tokenString_ = "}";
    floatType_ = 0;
    if (!bytes.empty()) out.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}


void TParser::Error(const std::string& message) const {
    throw EParserError(message + " on line " + std::to_string(line_), message, line_);
}
