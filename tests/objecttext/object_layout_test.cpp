// Objects: headers, nesting, indentation levels and where each converter leaves its input.
#include <gtest/gtest.h>

#include "record_helpers.h"
#include "support/framework/exceptions.h"

namespace {
void ExpectBothWays(const std::string& record, const std::string& text) {
    EXPECT_EQ(ToText(record), text);
    EXPECT_EQ(ToBinary(text), record);
}

TEST(ObjectHeaders, NamedAndUnnamedObjects) {
    ExpectBothWays(Record(Obj("TForm", "Form1", "")), Lines({"object Form1: TForm", "end"}));
    ExpectBothWays(Record(Obj("TForm", "", "")), Lines({"object TForm", "end"}));
}

TEST(ObjectHeaders, FlagsAndChildPosition) {
    ExpectBothWays(Record(Bytes({0xF1}) + Obj("TX", "A", "")), Lines({"inherited A: TX", "end"}));
    ExpectBothWays(Record(Bytes({0xF4}) + Obj("TX", "A", "")), Lines({"inline A: TX", "end"}));
    ExpectBothWays(Record(Bytes({0xF2, 2, 3}) + Obj("TX", "A", "")), Lines({"object A: TX [3]", "end"}));
    ExpectBothWays(Record(Bytes({0xF3, 3, 0x00, 0x01}) + Obj("TX", "A", "")), Lines({"inherited A: TX [256]", "end"}));
    ExpectBothWays(Record(Bytes({0xF6, 2, 0xFF}) + Obj("TX", "", "")), Lines({"inline TX [-1]", "end"}));
}

TEST(ObjectHeaders, ClassNameThatLooksLikeAPrefixGetsAnEmptyPrefix) {
    const std::string longName(240, 'T');
    ExpectBothWays(Record(Bytes({0xF0}) + Obj(longName, "A", "")), Lines({"object A: " + longName, "end"}));
    const std::string shorter(239, 'T');
    ExpectBothWays(Record(Obj(shorter, "A", "")), Lines({"object A: " + shorter, "end"}));
}

TEST(ObjectHeaders, KeywordsAreCaseInsensitiveInText) {
    EXPECT_EQ(ToBinary("OBJECT A: TX\r\nEND\r\n"), Record(Obj("TX", "A", "")));
    EXPECT_EQ(ToBinary("Inherited A: TX\r\nEnd"), Record(Bytes({0xF1}) + Obj("TX", "A", "")));
}

const std::string kNestedRecord =
    Record(Obj("TForm", "Form1",
               Prop("Left", Bytes({2, 10})) + Prop("Font.Name", Bytes({6, 5}) + "Arial") +
                   Prop("Items.Strings", Bytes({1, 6, 1, 'a', 6, 1, 'b', 0})),
               Obj("TPanel", "Panel1", Prop("Data", Bytes({10}) + Int32Le(2) + Bytes({10, 11})),
                   Bytes({0xF2, 2, 1}) + Obj("TButton", "OK", Prop("Caption", Bytes({6, 2}) + "OK"))) +
                   Obj("TLabel", "L", "")));

TEST(NestedObjects, ChildrenAreIndentedOneLevelDeeper) {
    ExpectBothWays(kNestedRecord, Lines({
                                      "object Form1: TForm",
                                      "  Left = 10",
                                      "  Font.Name = 'Arial'",
                                      "  Items.Strings = (",
                                      "    'a'",
                                      "    'b')",
                                      "  object Panel1: TPanel",
                                      "    Data = {",
                                      "      0A0B}",
                                      "    object OK: TButton [1]",
                                      "      Caption = 'OK'",
                                      "    end",
                                      "  end",
                                      "  object L: TLabel",
                                      "  end",
                                      "end",
                                  }));
}

TEST(NestedObjects, LevelIndentsTheWholeText) {
    EXPECT_EQ(ToText(Record(Obj("TX", "A", Prop("Items", Bytes({1, 2, 1, 0})), Obj("TY", "B", ""))), 1),
              Lines({"  object A: TX", "    Items = (", "      1)", "    object B: TY", "    end", "  end"}));
}

TEST(StreamPositions, BinaryToTextReadsExactlyOneRecord) {
    const std::string first = Record(Obj("TX", "A", Prop("P", Bytes({2, 1}))));
    const std::string second = Record(Obj("TY", "B", ""));
    const std::string both = first + second + "tail";
    TConstMemoryStream in(both.data(), int64_t(both.size()));
    TMemoryStream out;
    HObjectBinaryToText(0, &in, &out);
    EXPECT_EQ(in.GetPosition(), int64_t(first.size()));
    HObjectBinaryToText(0, &in, &out);
    EXPECT_EQ(in.GetPosition(), int64_t(first.size() + second.size()));
    EXPECT_EQ(AsString(out), Lines({"object A: TX", "  P = 1", "end", "object B: TY", "end"}));
}

TEST(StreamPositions, BinaryToTextAppendsToOutput) {
    const std::string record = Record(Obj("TX", "A", ""));
    TConstMemoryStream in(record.data(), int64_t(record.size()));
    TMemoryStream out;
    out.WriteBuffer("x", 1);
    HObjectBinaryToText(0, &in, &out);
    EXPECT_EQ(AsString(out), "x" + Lines({"object A: TX", "end"}));
}

TEST(StreamPositions, TextToBinaryLeavesTheParserAfterEnd) {
    const std::string text = "object A: TX\r\n  P = 1\r\nend\r\nobject B: TY end";
    TConstMemoryStream in(text.data(), int64_t(text.size()));
    TParser parser(in);
    TMemoryStream out;
    HObjectTextToBinary(&parser, &out);
    EXPECT_TRUE(parser.TokenSymbolIs("object"));
    EXPECT_EQ(parser.SourceLine(), 4);
    HObjectTextToBinary(&parser, &out);
    EXPECT_EQ(parser.Token(), toEOF);
    EXPECT_EQ(AsString(out), Record(Obj("TX", "A", Prop("P", Bytes({2, 1})))) + Record(Obj("TY", "B", "")));
}

TEST(StreamPositions, HexBlockAfterAnObjectIsReadByTheCaller) {
    const std::string text = "object A: TX\r\nend\r\n{ 3 \r\n    010203 }\r\nBEGIN 2";
    TConstMemoryStream in(text.data(), int64_t(text.size()));
    TParser parser(in);
    TMemoryStream record;
    HObjectTextToBinary(&parser, &record);
    ASSERT_EQ(parser.Token(), '{');
    ASSERT_EQ(parser.NextToken(), toInteger);
    EXPECT_EQ(parser.TokenInt(), 3);
    TMemoryStream data;
    parser.HexToBinary(data);
    EXPECT_EQ(AsString(data), Bytes({1, 2, 3}));
    EXPECT_EQ(parser.Token(), '}');
    EXPECT_EQ(parser.NextToken(), toSymbol);
    EXPECT_TRUE(parser.TokenSymbolIs("BEGIN"));
    EXPECT_EQ(parser.NextToken(), toInteger);
    EXPECT_EQ(parser.TokenInt(), 2);
}

TEST(RoundTrips, TextLaidOutByTheWriterReadsBackUnchanged) {
    const std::string text = Lines({
        "inherited Main: TMainForm [2]",
        "  Caption = 'Keys" + std::string(60, 'k') + "' +",
        "    '" + std::string(10, 'k') + "'",
        "  Scale = 1.25",
        "  Ratio = 0.1s",
        "  Price = 12.3456c",
        "  When = 45000.25d",
        "  Style = [fsBold]",
        "  Empty = ''",
        "  Lines = <",
        "    item [0]",
        "      Text = #9'x'",
        "      Blob = {",
        "        " + std::string(64, 'F'),
        "        00}",
        "    end>",
        "  inline Sub: TFrame",
        "    Tag = -70000",
        "    Big = 9223372036854775807",
        "  end",
        "end",
    });
    const std::string record = ToBinary(text);
    EXPECT_EQ(ToText(record), text);
    EXPECT_EQ(ToBinary(ToText(record)), record);
}
}  // namespace
