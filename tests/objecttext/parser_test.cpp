// The tokenizer: token kinds, values, lines, errors, and reading on from a token's end.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

#include "support/framework/exceptions.h"
#include "support/framework/parser.h"
#include "support/framework/stream.h"

namespace {
// Keeps the source alive for the parser's whole life.
struct ParserOver {
    explicit ParserOver(std::string text)
        : source(std::move(text)), stream(source.data(), int64_t(source.size())), parser(stream) {}
    std::string source;
    TConstMemoryStream stream;
    TParser parser;
};

std::string ErrorOf(const std::string& text) {
    try {
        ParserOver p(text);
        while (p.parser.Token() != toEOF) p.parser.NextToken();
    } catch (const EParserError& e) {
        return e.Message;
    }
    return "no error";
}

TEST(Tokens, KindsAndTexts) {
    ParserOver p("Font_1 = 12 $1F 1.5 'a''b' #65 : ( ) < > [ ] , + - .");
    TParser& t = p.parser;
    EXPECT_EQ(t.Token(), toSymbol);
    EXPECT_EQ(t.TokenString(), "Font_1");
    EXPECT_EQ(t.NextToken(), '=');
    EXPECT_EQ(t.NextToken(), toInteger);
    EXPECT_EQ(t.TokenInt(), 12);
    EXPECT_EQ(t.NextToken(), toInteger);
    EXPECT_EQ(t.TokenInt(), 31);
    EXPECT_EQ(t.NextToken(), toFloat);
    EXPECT_EQ(t.TokenFloat(), 1.5L);
    EXPECT_EQ(t.FloatType(), 0);
    EXPECT_EQ(t.NextToken(), toString);
    EXPECT_EQ(t.TokenString(), "a'b");
    EXPECT_EQ(t.NextToken(), toString);
    EXPECT_EQ(t.TokenString(), "A");
    for (const char c : std::string(":()<>[],+-.")) EXPECT_EQ(t.NextToken(), c);
    EXPECT_EQ(t.NextToken(), toEOF);
    EXPECT_EQ(t.NextToken(), toEOF);
}

TEST(Tokens, StringPartsWithoutBlanksFormOneString) {
    ParserOver p("'Line'#13#10'two''s'#$41 'next'");
    EXPECT_EQ(p.parser.TokenString(), "Line\r\ntwo'sA");
    EXPECT_EQ(p.parser.NextToken(), toString);
    EXPECT_EQ(p.parser.TokenString(), "next");
}

TEST(Tokens, CodesAbove255MakeAWideStringInUtf8) {
    ParserOver p("'x'#233#$263A#$D83D#$DE00 #233");
    EXPECT_EQ(p.parser.Token(), toWString);
    EXPECT_EQ(p.parser.TokenString(), "x\xC3\xA9\xE2\x98\xBA\xF0\x9F\x98\x80");
    EXPECT_EQ(p.parser.NextToken(), toString);
    EXPECT_EQ(p.parser.TokenString(), "\xE9");
}

TEST(Tokens, FloatSuffixesAndExponents) {
    ParserOver p("1.5s 2.25C 3.0d 1e3 2.5E-2 7");
    TParser& t = p.parser;
    EXPECT_EQ(t.FloatType(), 's');
    EXPECT_EQ(t.TokenSingle(), 1.5f);
    EXPECT_EQ(t.TokenString(), "1.5");
    t.NextToken();
    EXPECT_EQ(t.FloatType(), 'c');
    EXPECT_EQ(t.TokenString(), "2.25");
    t.NextToken();
    EXPECT_EQ(t.FloatType(), 'd');
    EXPECT_EQ(t.TokenDouble(), 3.0);
    EXPECT_EQ(t.NextToken(), toFloat);
    EXPECT_EQ(t.TokenFloat(), 1000.0L);
    EXPECT_EQ(t.NextToken(), toFloat);
    EXPECT_EQ(t.TokenFloat(), 0.025L);
    EXPECT_EQ(t.FloatType(), 0);
    EXPECT_EQ(t.NextToken(), toInteger);
    EXPECT_EQ(t.TokenFloat(), 7.0L);
}

TEST(Tokens, FloatsParseAtTheirOwnPrecision) {
    ParserOver p("0.1");
    EXPECT_EQ(p.parser.TokenSingle(), 0.1f);
    EXPECT_EQ(p.parser.TokenDouble(), 0.1);
    EXPECT_EQ(p.parser.TokenFloat(), 0.1L);
    ParserOver denormal("3.6451995318824746025e-4951");
    EXPECT_EQ(denormal.parser.TokenFloat(), LDBL_TRUE_MIN);
}

TEST(Tokens, IntegerLimits) {
    ParserOver p("9223372036854775807 9223372036854775808 $FFFFFFFFFFFFFFFF");
    TParser& t = p.parser;
    EXPECT_EQ(t.TokenInt(), INT64_MAX);
    t.NextToken();
    EXPECT_THROW(t.TokenInt(), EParserError);
    EXPECT_EQ(t.TokenNegatedInt(), INT64_MIN);
    t.NextToken();
    EXPECT_EQ(t.TokenInt(), -1);
    EXPECT_EQ(ErrorOf("99999999999999999999"), "Integer value out of range: 99999999999999999999 on line 1");
    EXPECT_EQ(ErrorOf("$10000000000000000"), "Integer value out of range on line 1");
}

TEST(Tokens, DottedComponentIdentBecomesTheToken) {
    ParserOver p("Font.Style = x");
    EXPECT_EQ(p.parser.TokenComponentIdent(), "Font.Style");
    EXPECT_TRUE(p.parser.TokenSymbolIs("font.style"));
    EXPECT_EQ(p.parser.NextToken(), '=');
    EXPECT_EQ(ErrorOf("a"), "no error");
    ParserOver bad("Font.1");
    EXPECT_THROW(bad.parser.TokenComponentIdent(), EParserError);
}

TEST(Tokens, SymbolsCompareWithoutCase) {
    ParserOver p("Object 'object'");
    EXPECT_TRUE(p.parser.TokenSymbolIs("OBJECT"));
    EXPECT_FALSE(p.parser.TokenSymbolIs("obj"));
    EXPECT_NO_THROW(p.parser.CheckTokenSymbol("object"));
    p.parser.NextToken();
    EXPECT_FALSE(p.parser.TokenSymbolIs("object"));
}

TEST(Lines, CountFromOneAcrossLineBreaks) {
    ParserOver p("a\r\nb\n\n  c\td");
    TParser& t = p.parser;
    EXPECT_EQ(t.SourceLine(), 1);
    t.NextToken();
    EXPECT_EQ(t.SourceLine(), 2);
    t.NextToken();
    EXPECT_EQ(t.SourceLine(), 4);
    t.NextToken();
    EXPECT_EQ(t.TokenString(), "d");
    EXPECT_EQ(t.SourceLine(), 4);
}

TEST(Errors, MessagesNameTheLine) {
    EXPECT_EQ(ErrorOf("a\n'open"), "Unterminated string on line 2");
    EXPECT_EQ(ErrorOf("'split\n'"), "Unterminated string on line 1");
    EXPECT_EQ(ErrorOf("a\n\n#"), "Invalid character value on line 3");
    EXPECT_EQ(ErrorOf("#65536"), "Invalid character value on line 1");
    EXPECT_EQ(ErrorOf("$"), "Invalid hexadecimal number on line 1");
    EXPECT_EQ(ErrorOf("a\x01"), "Invalid character #1 on line 1");
    ParserOver p("\n\nx");
    try {
        p.parser.CheckToken(toInteger);
        FAIL();
    } catch (const EParserError& e) {
        EXPECT_EQ(e.Message, "Number expected on line 3");
    }
    EXPECT_THROW(p.parser.CheckToken('='), EParserError);
    EXPECT_THROW(p.parser.CheckTokenSymbol("y"), EParserError);
    EXPECT_THROW(p.parser.Error("Custom"), EParserError);
}

TEST(HexToBinary, ReadsPairsFromJustAfterTheCurrentToken) {
    ParserOver p("{ 3 \r\n    010203 }\r\nBEGIN 2");
    TParser& t = p.parser;
    ASSERT_EQ(t.Token(), '{');
    ASSERT_EQ(t.NextToken(), toInteger);
    EXPECT_EQ(t.TokenInt(), 3);
    TMemoryStream out;
    t.HexToBinary(out);
    EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), std::string("\x01\x02\x03"));
    EXPECT_EQ(t.Token(), '}');
    EXPECT_EQ(t.SourceLine(), 2);
    EXPECT_EQ(t.NextToken(), toSymbol);
    EXPECT_TRUE(t.TokenSymbolIs("BEGIN"));
    EXPECT_EQ(t.NextToken(), toInteger);
    EXPECT_EQ(t.TokenInt(), 2);
}

TEST(HexToBinary, AcceptsLowerCaseAndLineBreaksBetweenPairs) {
    ParserOver p("{ab\r\n\tCD\nef}x");
    TMemoryStream out;
    p.parser.HexToBinary(out);
    EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), std::string("\xAB\xCD\xEF"));
    EXPECT_EQ(p.parser.SourceLine(), 3);
    EXPECT_EQ(p.parser.NextToken(), toSymbol);
}

TEST(HexToBinary, RejectsOddDigitsAndStrayCharacters) {
    const auto errorOf = [](const std::string& text) {
        ParserOver p(text);
        TMemoryStream out;
        try {
            p.parser.HexToBinary(out);
        } catch (const EParserError& e) {
            return e.Message;
        }
        return std::string("no error");
    };
    EXPECT_EQ(errorOf("{ 012 }"), "Invalid binary value on line 1");
    EXPECT_EQ(errorOf("{ 0 1 }"), "Invalid binary value on line 1");
    EXPECT_EQ(errorOf("{\n0x}"), "Invalid binary value on line 2");
    EXPECT_EQ(errorOf("{ 01"), "Invalid binary value on line 1");
    EXPECT_EQ(errorOf("{}"), "no error");
}

TEST(Construction, ReadsFromTheStreamPosition) {
    const std::string text = "skip me";
    TConstMemoryStream stream(text.data(), int64_t(text.size()));
    stream.SetPosition(5);
    TParser parser(stream);
    EXPECT_EQ(parser.TokenString(), "me");
}

}  // namespace
