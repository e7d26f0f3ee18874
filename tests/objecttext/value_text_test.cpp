// Each value code in both directions: canonical records and their text are exact inverses.
#include <gtest/gtest.h>

#include "record_helpers.h"

namespace {
struct CanonicalValue {
    const char* name;
    std::string bytes;
    std::string text;
};

void PrintTo(const CanonicalValue& value, std::ostream* os) { *os << value.name; }

std::string Repeat(char c, size_t count) { return std::string(count, c); }

std::string Counting(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += char(i);
    return bytes;
}

const CanonicalValue kValues[] = {
    {"Int8Zero", Bytes({2, 0}), "0"},
    {"Int8Max", Bytes({2, 0x7F}), "127"},
    {"Int8Min", Bytes({2, 0x80}), "-128"},
    {"Int16Above127", Bytes({3, 0x80, 0x00}), "128"},
    {"Int16Below128", Bytes({3, 0x7F, 0xFF}), "-129"},
    {"Int32Above32767", Bytes({4, 0x00, 0x80, 0x00, 0x00}), "32768"},
    {"Int32Below32768", Bytes({4, 0xFF, 0x7F, 0xFF, 0xFF}), "-32769"},
    {"Int32Min", Bytes({4, 0, 0, 0, 0x80}), "-2147483648"},
    {"Int64Above2Pow31", Bytes({19, 0, 0, 0, 0x80, 0, 0, 0, 0}), "2147483648"},
    {"Int64Below", Bytes({19, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}), "-2147483649"},
    {"Int64Min", Bytes({19, 0, 0, 0, 0, 0, 0, 0, 0x80}), "-9223372036854775808"},
    {"Int64Max", Bytes({19, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}), "9223372036854775807"},
    {"ExtendedOne", Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), "1.0"},
    {"ExtendedTenth", Bytes({5, 0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}), "0.1"},
    {"ExtendedMinusTwoAndAHalf", Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}), "-2.5"},
    {"Extended1e300", Bytes({5, 0x2D, 0xDD, 0xAC, 0x03, 0x40, 0xE4, 0x21, 0xBF, 0xE3, 0x43}), "1.0E300"},
    {"ExtendedFraction", Bytes({5, 0, 0, 0, 0, 0, 0x60, 0x20, 0xF1, 0x0F, 0x40}), "123456.75"},
    {"ExtendedZero", Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), "0.0"},
    {"ExtendedNegativeZero", Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}), "-0.0"},
    {"ExtendedSmallestDenormal", Bytes({5, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}), "4.0E-4951"},
    {"SingleOneAndAHalf", Bytes({15, 0, 0, 0xC0, 0x3F}), "1.5s"},
    {"SingleTenth", Bytes({15, 0xCD, 0xCC, 0xCC, 0x3D}), "0.1s"},
    {"CurrencyOneAndAHalf", Bytes({16, 0x98, 0x3A, 0, 0, 0, 0, 0, 0}), "1.5c"},
    {"CurrencySmallestNegative", Bytes({16, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "-0.0001c"},
    {"CurrencyMin", Bytes({16, 0, 0, 0, 0, 0, 0, 0, 0x80}), "-922337203685477.5808c"},
    {"CurrencyWhole", Bytes({16, 0x10, 0x27, 0, 0, 0, 0, 0, 0}), "1.0c"},
    {"Date", Bytes({17, 0, 0, 0, 0, 0x10, 0xF9, 0xE5, 0x40}), "45000.5d"},
    {"DateTenth", Bytes({17, 0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F}), "0.1d"},
    {"StringPlain", Bytes({6, 3}) + "abc", "'abc'"},
    {"StringEmpty", Bytes({6, 0}), "''"},
    {"StringQuoteAndControls", Bytes({6, 11}) + "Line\r\ntwo's", "'Line'#13#10'two''s'"},
    {"StringStartingWithControl", Bytes({6, 2}) + "\tX", "#9'X'"},
    {"StringOnlyControls", Bytes({6, 2, 0, 31}), "#0#31"},
    {"StringUtf8", Bytes({6, 5}) + "\xC3\xA9t\xC3\xA9", "'\xC3\xA9t\xC3\xA9'"},
    {"String64Bytes", Bytes({6, 64}) + Repeat('a', 64), "'" + Repeat('a', 64) + "'"},
    {"String65Bytes", Bytes({6, 65}) + Repeat('a', 65), "'" + Repeat('a', 64) + "' +\r\n    'a'"},
    {"StringSplitBeforeUtf8Sequence", Bytes({6, 66}) + Repeat('a', 63) + "\xE2\x98\xBA",
     "'" + Repeat('a', 63) + "' +\r\n    '\xE2\x98\xBA'"},
    {"StringSplitAtControl", Bytes({6, 66}) + Repeat('a', 63) + "\r\nb",
     "'" + Repeat('a', 63) + "'#13 +\r\n    #10'b'"},
    {"LongString256Bytes", Bytes({12}) + Int32Le(256) + Repeat('q', 256),
     "'" + Repeat('q', 64) + "' +\r\n    '" + Repeat('q', 64) + "' +\r\n    '" + Repeat('q', 64) +
         "' +\r\n    '" + Repeat('q', 64) + "'"},
    {"Ident", Bytes({7, 9}) + "clBtnFace", "clBtnFace"},
    {"IdentDotted", Bytes({7, 13}) + "Form1.Button1", "Form1.Button1"},
    {"False", Bytes({8}), "False"},
    {"True", Bytes({9}), "True"},
    {"Nil", Bytes({13}), "nil"},
    {"Null", Bytes({0}), "Null"},
    {"Set", Bytes({11, 6}) + "fsBold" + Bytes({8}) + "fsItalic" + Bytes({0}), "[fsBold, fsItalic]"},
    {"SetOfOne", Bytes({11, 1, 'a', 0}), "[a]"},
    {"SetEmpty", Bytes({11, 0}), "[]"},
    {"List", Bytes({1, 6, 1, 'a', 6, 1, 'b', 0}), "(\r\n    'a'\r\n    'b')"},
    {"ListEmpty", Bytes({1, 0}), "()"},
    {"ListMixedAndNested", Bytes({1, 2, 1, 1, 9, 1, 0, 0, 7, 1, 'x', 0}),
     "(\r\n    1\r\n    (\r\n      True\r\n      ())\r\n    x)"},
    {"ListWithLongString", Bytes({1, 6, 65}) + Repeat('z', 65) + Bytes({0}),
     "(\r\n    '" + Repeat('z', 64) + "' +\r\n      'z')"},
    {"Binary33Bytes", Bytes({10}) + Int32Le(33) + Counting(33),
     "{\r\n    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\r\n    20}"},
    {"BinaryUpperCaseHex", Bytes({10}) + Int32Le(2) + Bytes({0xAB, 0xFF}), "{\r\n    ABFF}"},
    {"BinaryEmpty", Bytes({10}) + Int32Le(0), "{}"},
    {"Collection",
     Bytes({14, 1}) + Prop("Width", Bytes({2, 50})) + Bytes({0, 2, 5, 1, 0, 3, 0x2C, 0x01, 1}) +
         Prop("Caption", Bytes({6, 1, 'c'})) + Prop("Font.Size", Bytes({2, 8})) + Bytes({0, 0}),
     "<\r\n    item\r\n      Width = 50\r\n    end\r\n    item [5]\r\n    end\r\n    item [300]\r\n"
     "      Caption = 'c'\r\n      Font.Size = 8\r\n    end>"},
    {"CollectionEmpty", Bytes({14, 0}), "<>"},
    {"CollectionHoldingListAndCollection",
     Bytes({14, 1}) + Prop("L", Bytes({1, 2, 1, 0})) + Prop("C", Bytes({14, 1}) + Prop("X", Bytes({9})) + Bytes({0, 0})) +
         Bytes({0, 0}),
     "<\r\n    item\r\n      L = (\r\n        1)\r\n      C = <\r\n        item\r\n          X = True\r\n"
     "        end>\r\n    end>"},
};

class CanonicalValueText : public testing::TestWithParam<CanonicalValue> {};

TEST_P(CanonicalValueText, BinaryGivesText) {
    EXPECT_EQ(ToText(RecordWithValue(GetParam().bytes)), TextWithValue(GetParam().text));
}

TEST_P(CanonicalValueText, TextGivesBinary) {
    EXPECT_EQ(ToBinary(TextWithValue(GetParam().text)), RecordWithValue(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(AllValueCodes, CanonicalValueText, testing::ValuesIn(kValues),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NonCanonicalBinary, WiderCodesReadAsTheirValues) {
    EXPECT_EQ(ToText(RecordWithValue(Bytes({4, 1, 0, 0, 0}))), TextWithValue("1"));
    EXPECT_EQ(ToText(RecordWithValue(Bytes({19, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}))), TextWithValue("-2"));
    EXPECT_EQ(ToText(RecordWithValue(Bytes({12}) + Int32Le(2) + "hi")), TextWithValue("'hi'"));
    EXPECT_EQ(ToText(RecordWithValue(Bytes({20}) + Int32Le(2) + "\xC3\xA9")), TextWithValue("'\xC3\xA9'"));
    EXPECT_EQ(ToText(RecordWithValue(Bytes({7, 4}) + "True")), TextWithValue("True"));
}

TEST(NonCanonicalBinary, WideStringsShowAsUtf8AndReadBackAsStrings) {
    const std::string wide = Bytes({18}) + Int32Le(3) + Bytes({'a', 0, 0x3A, 0x26, 0x3D, 0xD8});
    EXPECT_EQ(ToText(RecordWithValue(wide)), TextWithValue("'a\xE2\x98\xBA\xEF\xBF\xBD'"));
    EXPECT_EQ(ToBinary(ToText(RecordWithValue(wide))), RecordWithValue(Bytes({6, 7}) + "a\xE2\x98\xBA\xEF\xBF\xBD"));
}

TEST(TextVariants, ReadToTheCanonicalBinary) {
    EXPECT_EQ(ToBinary(TextWithValue("$FF")), RecordWithValue(Bytes({3, 0xFF, 0})));
    EXPECT_EQ(ToBinary(TextWithValue("-$10")), RecordWithValue(Bytes({2, 0xF0})));
    EXPECT_EQ(ToBinary(TextWithValue("1e3")), ToBinary(TextWithValue("1000.0")));
    EXPECT_EQ(ToBinary(TextWithValue("0.25E1")), ToBinary(TextWithValue("2.5")));
    EXPECT_EQ(ToBinary(TextWithValue("'ab' +\r\n 'c' + #$41")), RecordWithValue(Bytes({6, 4}) + "abcA"));
    EXPECT_EQ(ToBinary(TextWithValue("#$263A")), RecordWithValue(Bytes({6, 3}) + "\xE2\x98\xBA"));
    EXPECT_EQ(ToBinary(TextWithValue("TRUE")), RecordWithValue(Bytes({9})));
    EXPECT_EQ(ToBinary(TextWithValue("NIL")), RecordWithValue(Bytes({13})));
    EXPECT_EQ(ToBinary(TextWithValue("[a,b]")), RecordWithValue(Bytes({11, 1, 'a', 1, 'b', 0})));
    EXPECT_EQ(ToBinary(TextWithValue("{ 0a 0B\r\n ff }")), RecordWithValue(Bytes({10}) + Int32Le(3) + Bytes({10, 11, 255})));
    EXPECT_EQ(ToBinary(TextWithValue("1.23456c")), RecordWithValue(Bytes({16, 0x3A, 0x30, 0, 0, 0, 0, 0, 0})));
    EXPECT_EQ(ToBinary(TextWithValue("1.5E2c")), RecordWithValue(Bytes({16, 0x60, 0xE3, 0x16, 0, 0, 0, 0, 0})));
}

TEST(TextVariants, SingleRoundsFromTheDecimalNotFromExtended) {
    // Just above 1 + 2^-24, the midpoint between two singles; as a long double it becomes the
    // midpoint itself, which would then round down to even.
    EXPECT_EQ(ToBinary(TextWithValue("1.00000005960464477539062501s")),
              RecordWithValue(Bytes({15, 1, 0, 0x80, 0x3F})));
}

TEST(TextVariants, StringsAbove255BytesBecomeLongStrings) {
    const std::string text = TextWithValue("'" + Repeat('x', 200) + "' + '" + Repeat('y', 56) + "'");
    EXPECT_EQ(ToBinary(text), RecordWithValue(Bytes({12}) + Int32Le(256) + Repeat('x', 200) + Repeat('y', 56)));
    const std::string exact = TextWithValue("'" + Repeat('x', 255) + "'");
    EXPECT_EQ(ToBinary(exact), RecordWithValue(Bytes({6, 255}) + Repeat('x', 255)));
}
}  // namespace
