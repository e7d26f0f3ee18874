// The text form of a layout: how a stream is recognised as text, hex data blocks, child blocks
// and the errors of malformed text.
#include <vector>

#include "components/persistence/control_text.h"
#include "layout_fixture.h"
#include "support/framework/exceptions.h"

namespace {
bool IsText(const std::string& bytes) {
    TMemoryStream s;
    SetBytes(s, bytes);
    return IsTextControlStream(&s);
}

TEST(TextDetection, TextStartsWithLowerCaseObjectInheritedOrInline) {
    EXPECT_TRUE(IsText("object design: HDesignPanel\r\nend\r\n"));
    EXPECT_TRUE(IsText("inherited design: HDesignPanel\r\nend\r\n"));
    EXPECT_TRUE(IsText("inline design: HDesignPanel\r\nend\r\n"));
    EXPECT_FALSE(IsText("Object design: HDesignPanel\r\nend\r\n"));
    EXPECT_FALSE(IsText("\r\nobject design: HDesignPanel\r\nend\r\n"));
    EXPECT_FALSE(IsText(" object design: HDesignPanel\r\nend\r\n"));
    EXPECT_FALSE(IsText("\xEF\xBB\xBFobject design: HDesignPanel\r\nend\r\n"));
    EXPECT_FALSE(IsText("objects are here"));
}

TEST(TextDetection, DetectionLeavesThePositionWhereItWas) {
    TMemoryStream s;
    SetBytes(s, "xxobject design: HDesignPanel\r\nend\r\n");
    s.SetPosition(2);
    EXPECT_TRUE(IsTextControlStream(&s));
    EXPECT_EQ(s.GetPosition(), 2);
}

TEST(TextDetection, StreamShorterThanElevenBytesRaisesTheReadErrorAndRestoresThePosition) {
    TMemoryStream s;
    SetBytes(s, "object ab");
    s.SetPosition(1);
    EXPECT_THROW(IsTextControlStream(&s), EReadError);
    EXPECT_EQ(s.GetPosition(), 1);
}

class TextLoading : public LayoutTest {};

TEST_F(TextLoading, CapitalisedOrIndentedTextIsTakenAsBinaryAndFailsWithAFormatError) {
    EXPECT_THROW(LoadText("Object design: HDesignPanel\r\nend\r\n"), EReadError);
    EXPECT_THROW(LoadText("\r\nobject design: HDesignPanel\r\nend\r\n"), EReadError);
}

TEST(HexAsText, WritesUpperCaseHexIndentedByTheLevel) {
    TMemoryStream in, out;
    SetBytes(in, std::string("\x01\x02\x03", 3));
    HWriteHexAsText(2, &in, &out, 3);
    EXPECT_EQ(Bytes(out), "\r\n    010203");
    EXPECT_EQ(in.GetPosition(), 3);
}

TEST(HexAsText, BreaksTheLineBeforeEveryThirtySecondByte) {
    std::string data;
    for (int i = 0; i < 33; ++i) data += static_cast<char>(0xE0 + (i % 32));
    TMemoryStream in, out;
    SetBytes(in, data);
    HWriteHexAsText(2, &in, &out, 33);
    std::string expected = "\r\n    ";
    for (int i = 0; i < 32; ++i) {
        static const char digits[] = "0123456789ABCDEF";
        expected += digits[(0xE0 + i) >> 4];
        expected += digits[(0xE0 + i) & 15];
    }
    expected += "\r\n    E0";
    EXPECT_EQ(Bytes(out), expected);
}

TEST(HexAsText, CountZeroWritesNothing) {
    TMemoryStream in, out;
    SetBytes(in, "abc");
    HWriteHexAsText(1, &in, &out, 0);
    EXPECT_EQ(out.GetSize(), 0);
    EXPECT_EQ(in.GetPosition(), 0);
}

// Data blocks: the second key carries the given bytes.
class DataBlocks : public LayoutTest {
protected:
    void GiveSecondKeyData(const std::string& data) {
        io.OnWriteComponentData = [this, data](TObject*, TStream* s, TComponent* c) {
            if (c == panel.Controls(1)) s->WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
        };
    }
    std::vector<std::pair<std::string, std::string>> received;  // component name, bytes
    void RecordReceivedData() {
        io.OnReadComponentData = [this](TObject*, TStream* s, TComponent* c) {
            const int64_t end = s->GetPosition();
            std::string bytes(static_cast<size_t>(end), '\0');
            s->SetPosition(0);
            if (end) s->ReadBuffer(bytes.data(), static_cast<int32_t>(end));
            received.emplace_back(c->GetName(), bytes);
        };
    }
};

TEST_F(DataBlocks, ThreeBytesFollowTheirKeysEnd) {
    LoadText(TwoKeyLayout());
    GiveSecondKeyData(std::string("\1\2\3", 3));
    const std::string text = SaveText();
    EXPECT_NE(text.find(KeyText("KeyB", 36, "B") + "  { 3 \r\n    010203 }\r\nEND\r\n"), std::string::npos) << text;
}

TEST_F(DataBlocks, ThirtyThreeBytesTakeTwoLinesOfDigits) {
    LoadText(TwoKeyLayout());
    GiveSecondKeyData(std::string(33, '\xAB'));
    const std::string text = SaveText();
    std::string digits;
    for (int i = 0; i < 32; ++i) digits += "AB";
    const std::string block = "  { 33 \r\n    " + digits + "\r\n    AB }\r\n";
    EXPECT_NE(text.find("  end\r\n" + block + "END\r\n"), std::string::npos) << text;
}

TEST_F(DataBlocks, ReadHandlerReceivesTheSameBytesWithThePositionAtTheirEnd) {
    LoadText(TwoKeyLayout());
    std::string data;
    for (int i = 0; i < 33; ++i) data += static_cast<char>(i * 7);
    GiveSecondKeyData(data);
    const std::string text = SaveText();
    const std::string binary = SaveBinary();
    io.OnWriteComponentData.Clear();
    RecordReceivedData();
    for (const std::string& layout : {text, binary}) {
        received.clear();
        LoadText(layout);
        ASSERT_EQ(received.size(), 3u);  // the panel and both keys
        EXPECT_EQ(received[0].second, "");
        EXPECT_EQ(received[1], (std::pair<std::string, std::string>{"KeyA", ""}));
        EXPECT_EQ(received[2], (std::pair<std::string, std::string>{"KeyB", data}));
    }
}

TEST_F(DataBlocks, EmptyBraceBlockReadsAsLengthZero) {
    RecordReceivedData();
    LoadText(LayoutText(KeyText("KeyA", 8, "A") + "  { 0 }\r\n", 1));
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1], (std::pair<std::string, std::string>{"KeyA", ""}));
}

// The line is named once, by the message that wraps the cause.
void ExpectParseError(const std::string& message, int line, const std::string& cause) {
    EXPECT_EQ(message.rfind("Error parsing input file at " + std::to_string(line) + " string: ", 0), 0u) << message;
    EXPECT_NE(message.find(cause), std::string::npos) << message;
    EXPECT_EQ(message.find(" on line "), std::string::npos) << message;
}

// Lines of TwoKeyLayout's first key end at line 14; a block after it begins on line 15.
constexpr int kLineAfterFirstKey = 15;

TEST_F(DataBlocks, OddNumberOfHexDigitsIsAParseErrorWithItsLine) {
    try {
        LoadText(LayoutText(KeyText("KeyA", 8, "A") + "  { 2 \r\n    01020 }\r\n", 1));
        FAIL() << "loaded";
    } catch (const EParserError& e) {
        ExpectParseError(e.Message, kLineAfterFirstKey + 1, "");
    }
}

TEST_F(DataBlocks, NonHexCharacterIsAParseError) {
    try {
        LoadText(LayoutText(KeyText("KeyA", 8, "A") + "  { 2 \r\n    01G2 }\r\n", 1));
        FAIL() << "loaded";
    } catch (const EParserError& e) {
        ExpectParseError(e.Message, kLineAfterFirstKey + 1, "");
    }
}

class ChildBlocks : public LayoutTest {};

TEST_F(ChildBlocks, BeginAndEndInAnyCase) {
    LoadText(std::string(kPanelHeader) + "begin 2\r\n" + KeyText("KeyA", 8, "A") + KeyText("KeyB", 36, "B") + "End\r\n");
    ASSERT_EQ(panel.ControlCount(), 2);
    EXPECT_EQ(Key(1)->GetKeyLabel(), "B");
    EXPECT_EQ(SaveText(), TwoKeyLayout());
}

TEST_F(ChildBlocks, BeginZeroThenEndIsAnEmptyBlock) {
    LoadText(TwoKeyLayout());
    LoadText(std::string(kPanelHeader) + "BEGIN 0\r\nEND\r\n");
    EXPECT_EQ(panel.ControlCount(), 0);
    EXPECT_EQ(SaveText(), kPanelHeader);
}

TEST_F(ChildBlocks, EmptyContainerHasNoBeginLineButABinaryChildCountOfZero) {
    LoadText(kPanelHeader);
    EXPECT_EQ(panel.ControlCount(), 0);
    EXPECT_EQ(SaveText(), kPanelHeader);
    const std::string binary = SaveBinary();
    EXPECT_EQ(binary.substr(binary.size() - 8), std::string(8, '\0'));  // data length 0, child count 0
}

class ParseErrors : public LayoutTest {
protected:
    // Loads a layout with one key, then the bad text; the key must survive.
    void ExpectRejected(const std::string& badText, int line, const std::string& cause) {
        LoadText(LayoutText(KeyText("Survivor", 8, "S"), 1));
        const std::string before = SaveText();
        try {
            LoadText(badText);
            ADD_FAILURE() << "loaded:\n" << badText;
        } catch (const EParserError& e) {
            ExpectParseError(e.Message, line, cause);
        }
        ASSERT_EQ(panel.ControlCount(), 1);
        EXPECT_EQ(Key(0)->GetName(), "Survivor");
        EXPECT_EQ(SaveText(), before);
    }
};

TEST_F(ParseErrors, BeginWithoutACount) {
    ExpectRejected(std::string(kPanelHeader) + "BEGIN x\r\n" + KeyText("KeyA", 8, "A") + "END\r\n", 7,
                   "Expected integer value");
}

// The hex reader runs up to the brace, so a missing one shows as the first character that is not hex.
TEST_F(ParseErrors, DataBlockWithoutItsClosingBrace) {
    ExpectRejected(LayoutText(KeyText("KeyA", 8, "A") + "  { 1 \r\n    01\r\n" + KeyText("KeyB", 36, "B"), 2),
                   kLineAfterFirstKey + 2, "Invalid binary value");
}

TEST_F(ParseErrors, DataBlockAtTheEndOfTheTextWithoutItsClosingBrace) {
    ExpectRejected(std::string(kPanelHeader) + "{ 1 \r\n  01", 8, "Invalid binary value");
}

TEST_F(ParseErrors, DataBlockWithFewerBytesThanDeclared) {
    ExpectRejected(LayoutText(KeyText("KeyA", 8, "A") + "  { 5 \r\n    0102 }\r\n" + KeyText("KeyB", 36, "B"), 2),
                   kLineAfterFirstKey + 1, "");
}

TEST_F(ParseErrors, DataBlockWithMoreBytesThanDeclared) {
    ExpectRejected(LayoutText(KeyText("KeyA", 8, "A") + "  { 1 \r\n    0102 }\r\n" + KeyText("KeyB", 36, "B"), 2),
                   kLineAfterFirstKey + 1, "");
}

TEST_F(ParseErrors, DataBlockWithoutALength) {
    ExpectRejected(LayoutText(KeyText("KeyA", 8, "A") + "  { }\r\n", 1), kLineAfterFirstKey, "Expected integer value");
}

TEST_F(ParseErrors, MissingEndOfTheChildBlock) {
    ExpectRejected(LayoutText(KeyText("KeyA", 8, "A"), 1).substr(0, LayoutText(KeyText("KeyA", 8, "A"), 1).size() - 5), 15,
                   "");
}

// A count that disagrees with the children would move records between parent and siblings.
TEST_F(ParseErrors, ChildCountThatDisagreesWithTheChildren) {
    const std::string twoKeys = KeyText("KeyA", 8, "A") + KeyText("KeyB", 36, "B");
    ExpectRejected(LayoutText(twoKeys, 3), 7, "BEGIN 3");
    ExpectRejected(LayoutText(twoKeys, 1), 7, "BEGIN 1");
}

TEST_F(ParseErrors, ErrorInsideASecondKeyKeepsTheFirstLoadIntact) {
    ExpectRejected(LayoutText(KeyText("KeyA", 8, "A") + "  object KeyB: OSKKey\r\n    Left = @\r\n  end\r\n", 2), 16, "");
}
}  // namespace
