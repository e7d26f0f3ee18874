// Faulty object text: parser errors that name the line.
#include <gtest/gtest.h>

#include "record_helpers.h"
#include "support/framework/exceptions.h"
#include "support/framework/value_codes.h"

namespace {
std::string ParserErrorOf(const std::string& text) {
    try {
        ToBinary(text);
    } catch (const EParserError& e) {
        return e.Message;
    }
    return "no error";
}

TEST(TextErrors, StructureErrorsNameTheLine) {
    EXPECT_EQ(ParserErrorOf("thing A: TX\r\nend"), "'object' expected on line 1");
    EXPECT_EQ(ParserErrorOf("object A: TX\r\n  P 1\r\nend"), "'=' expected on line 2");
    EXPECT_EQ(ParserErrorOf("object A: TX\r\n  P = 1\r\n"), "Identifier expected on line 3");
    EXPECT_EQ(ParserErrorOf("object A: TX\r\n  P =\r\n"), "Unexpected end of text on line 3");
    EXPECT_EQ(ParserErrorOf("object A:\r\n  P = 1\r\nend"), "Identifier expected on line 2");
    EXPECT_EQ(ParserErrorOf("object A: TX\n\n  P = )\nend"), "Invalid property value on line 3");
    EXPECT_EQ(ParserErrorOf("object A: TX [x]\r\nend"), "Number expected on line 1");
    EXPECT_EQ(ParserErrorOf("object A: TX [1\r\nend"), "']' expected on line 2");
}

TEST(TextErrors, ValueErrors) {
    EXPECT_EQ(ParserErrorOf(TextWithValue("'abc")), "Unterminated string on line 2");
    EXPECT_EQ(ParserErrorOf(TextWithValue("'a' +\r\n  1")), "String expected on line 3");
    EXPECT_EQ(ParserErrorOf(TextWithValue("- x")), "Number expected on line 2");
    EXPECT_EQ(ParserErrorOf(TextWithValue("9223372036854775808")),
              "Integer value out of range: 9223372036854775808 on line 2");
    EXPECT_EQ(ParserErrorOf(TextWithValue("-9223372036854775809")),
              "Integer value out of range: 9223372036854775809 on line 2");
    EXPECT_EQ(ParserErrorOf(TextWithValue("1.0E5000")), "Floating point value out of range: 1.0E5000 on line 2");
    EXPECT_EQ(ParserErrorOf(TextWithValue("1.0E39s")), "Floating point value out of range: 1.0E39 on line 2");
    EXPECT_EQ(ParserErrorOf(TextWithValue("922337203685477.5808c")), "Currency value out of range on line 2");
    EXPECT_EQ(ParserErrorOf(TextWithValue("{\r\n 0A0}")), "Invalid binary value on line 3");
    EXPECT_EQ(ParserErrorOf(TextWithValue("{\r\n 0G}")), "Invalid binary value on line 3");
    EXPECT_EQ(ParserErrorOf(TextWithValue("[a,]")), "Identifier expected on line 2");
    EXPECT_EQ(ParserErrorOf(TextWithValue("[a b]")), "']' expected on line 2");
    EXPECT_EQ(ParserErrorOf(TextWithValue("<\r\n  thing\r\n  end>")), "'item' expected on line 3");
    EXPECT_EQ(ParserErrorOf(TextWithValue("<\r\n  item\r\n    object = 1\r\n  end>")),
              "Invalid property name object on line 4");
    EXPECT_EQ(ParserErrorOf(TextWithValue("(\r\n    1\r\n    Null)")), "Null cannot be a list item on line 4");
    EXPECT_EQ(ParserErrorOf(TextWithValue("<\r\n  item [3000000000]\r\n  end>")), "Index out of range on line 3");
}

TEST(TextErrors, NamesAbove255BytesAreRejected) {
    const std::string longName(256, 'N');
    EXPECT_EQ(ParserErrorOf("object " + longName + ": TX\r\nend"), "Name longer than 255 characters on line 1");
    EXPECT_EQ(ParserErrorOf(TextWithValue(longName)), "Name longer than 255 characters on line 2");
    EXPECT_EQ(ParserErrorOf("object A: TX\r\n  " + longName + " = 1\r\nend"), "Name longer than 255 characters on line 2");
    EXPECT_NO_THROW(ToBinary(TextWithValue(std::string(255, 'N'))));
}

TEST(TextErrors, NestingIsLimited) {
    const auto lists = [](int depth) {
        return TextWithValue(std::string(size_t(depth), '(') + std::string(size_t(depth), ')'));
    };
    EXPECT_NO_THROW(ToBinary(lists(kMaxNestingDepth - 1)));
    EXPECT_EQ(ParserErrorOf(lists(kMaxNestingDepth)), "Nesting too deep on line 2");
    const auto objects = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i) text += "object A: TX\n";
        for (int i = 0; i < depth; ++i) text += "end\n";
        return text;
    };
    EXPECT_NO_THROW(ToBinary(objects(kMaxNestingDepth)));
    EXPECT_EQ(ParserErrorOf(objects(kMaxNestingDepth + 1)), "Nesting too deep on line 201");
}

TEST(TextErrors, DepthBombsFailCleanly) {
    EXPECT_EQ(ParserErrorOf(TextWithValue(std::string(10000, '('))), "Nesting too deep on line 2");
    std::string objects;
    for (int i = 0; i < 10000; ++i) objects += "object A: TX\n";
    EXPECT_EQ(ParserErrorOf(objects), "Nesting too deep on line 201");
    std::string collections;
    for (int i = 0; i < 10000; ++i) collections += "< item P = ";
    EXPECT_EQ(ParserErrorOf(TextWithValue(collections)), "Nesting too deep on line 2");
}

TEST(TextErrors, FailedTextWritesNothing) {
    const std::string text = TextWithValue("'abc");
    TConstMemoryStream in(text.data(), int64_t(text.size()));
    TParser parser(in);
    TMemoryStream out;
    EXPECT_THROW(HObjectTextToBinary(&parser, &out), EParserError);
    EXPECT_EQ(out.GetSize(), 0);
}
}  // namespace
