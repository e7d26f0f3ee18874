// Tokenizer of object text and of the texts built on its syntax.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

class TStream;

// Token kinds; every other token is the single character itself ('=', ':', '{', '-', ...).
constexpr char toEOF = 0;
constexpr char toSymbol = 1;
constexpr char toString = 2;
constexpr char toInteger = 3;
constexpr char toFloat = 4;
constexpr char toWString = 5;  // a string with a #nn above 255; its TokenString is UTF-8

// Reads the rest of the stream at construction and stands on the first token. It never
// looks further than the end of the current token, so a caller may switch to reading
// the source itself (HexToBinary) right after any token.
class TParser {
public:
    explicit TParser(TStream& stream);

    char Token() const { return token_; }
    // Skips blanks, tabs and line breaks, then reads the next token.
    char NextToken();

    // Symbol text, decoded string value, number text without its suffix, or the character.
    std::string TokenString() const { return tokenString_; }
    // Integer tokens; a decimal beyond INT64_MAX is an error, $hex gives its 64-bit pattern.
    int64_t TokenInt() const;
    // The integer with a '-' in front: accepts 9223372036854775808 for INT64_MIN.
    int64_t TokenNegatedInt() const;
    // Float or integer tokens, parsed at the given precision (no double rounding).
    long double TokenFloat() const;
    double TokenDouble() const;
    float TokenSingle() const;
    // The suffix of a float token in lower case: 's' single, 'c' currency, 'd' date, or 0.
    char FloatType() const { return floatType_; }

    bool TokenSymbolIs(const std::string& symbol) const;
    void CheckToken(char token) const;
    void CheckTokenSymbol(const std::string& symbol) const;
    // Extends the current symbol over directly following ".symbol" parts ("Font.Name") and
    // returns the whole name, which becomes the current token; NextToken moves past it.
    std::string TokenComponentIdent();
    // The line of the current token, counting from 1.
    int SourceLine() const { return line_; }

    // Converts hex digit pairs that follow the current token (blanks and line breaks between
    // pairs are skipped) up to a '}', which becomes the current token.
    void HexToBinary(TStream& out);

    // Raises EParserError "<message> on line <n>", with the message as its cause and the line.
    [[noreturn]] void Error(const std::string& message) const;

private:
    void SkipBlanks();
    void ScanSymbol();
    void ScanNumber();
    void ScanHexNumber();
    void ScanString();
    uint32_t ScanCharacterCode();
    void CheckNumber() const;

    std::string source_;
    size_t position_ = 0;  // first character after the current token
    int line_ = 1;
    char token_ = toEOF;
    std::string tokenString_;
    char floatType_ = 0;
    uint64_t integer_ = 0;
    bool hexInteger_ = false;
};
