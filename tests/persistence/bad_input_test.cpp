// Damaged and hostile layouts end the load with an exception: no crash, no hang, no huge allocation.
#include "layout_fixture.h"
#include "support/framework/exceptions.h"
#include "support/framework/writer.h"

namespace {
class BadInput : public LayoutTest {
protected:
    // Loads bytes that must be refused; the failure is an Exception, never anything else.
    void ExpectRefused(const std::string& bytes) {
        try {
            LoadBytes(bytes);
            ADD_FAILURE() << "loaded " << bytes.size() << " bytes";
        } catch (const Exception&) {
        }
    }
    static std::string Int32(int32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); }
    // The record of one key named name, with its signature.
    std::string KeyRecord(const std::string& name) {
        OSKKey key(nullptr);
        key.SetName(name);
        TMemoryStream s;
        TWriter writer(s);
        writer.WriteSignature();
        writer.WriteComponent(&key);
        return Bytes(s);
    }
    std::string PanelRecord() {
        LoadText(kPanelHeader);
        const std::string binary = SaveBinary();
        return binary.substr(0, binary.size() - 8);
    }
};

TEST_F(BadInput, EveryTruncationOfABinaryLayoutIsRefused) {
    io.OnWriteComponentData = [this](TObject*, TStream* s, TComponent* c) {
        if (c == panel.Controls(0)) s->WriteBuffer("data", 4);
    };
    LoadText(TwoKeyLayout());
    const std::string binary = SaveBinary();
    io.OnWriteComponentData.Clear();
    for (size_t length = 0; length < binary.size(); ++length) ExpectRefused(binary.substr(0, length));
    LoadBytes(binary);
    EXPECT_EQ(panel.ControlCount(), 2);
}

// A prefix holding the whole container record ("end" and what follows up to a full "BEGIN") is a
// layout of its own: only a child block is looked for after the container.
TEST_F(BadInput, EveryTruncationOfATextLayoutInsideARecordIsRefused) {
    const std::string text = TwoKeyLayout();
    const size_t containerEnd = std::string(kPanelHeader).size() - 2;
    for (size_t length = 0; length + 2 < text.size(); ++length)
        if (length < containerEnd || length >= containerEnd + 2 + std::string("BEGIN").size())
            ExpectRefused(text.substr(0, length));
}

TEST_F(BadInput, HugeDataLengthIsRefused) {
    ExpectRefused(PanelRecord() + Int32(0x7FFFFFFF) + Int32(0));
    ExpectRefused(PanelRecord() + Int32(-1) + Int32(0));
    ExpectRefused(PanelRecord() + Int32(0) + Int32(1) + KeyRecord("K") + Int32(0x7FFFFFFF) + Int32(0));
}

TEST_F(BadInput, HugeChildCountIsRefused) {
    ExpectRefused(PanelRecord() + Int32(0) + Int32(0x7FFFFFFF));
    ExpectRefused(PanelRecord() + Int32(0) + Int32(0x7FFFFFFF) + KeyRecord("K") + Int32(0) + Int32(0));
}

TEST_F(BadInput, HugeDataLengthInTextIsRefused) {
    ExpectRefused(LayoutText(KeyText("KeyA", 8, "A") + "  { 2147483647 \r\n    01 }\r\n", 1));
    ExpectRefused(std::string(kPanelHeader) + "BEGIN 2147483647\r\n" + KeyText("KeyA", 8, "A") + "END\r\n");
}

TEST_F(BadInput, TenThousandNestedBeginLevelsInTextAreRefused) {
    std::string text = kPanelHeader;
    constexpr int kLevels = 10000;
    for (int i = 0; i < kLevels; ++i) text += "BEGIN 1\r\nobject K" + std::to_string(i) + ": OSKKey\r\nend\r\n";
    for (int i = 0; i < kLevels; ++i) text += "END\r\n";
    LoadText(TwoKeyLayout());
    ExpectRefused(text);
    EXPECT_EQ(panel.ControlCount(), 2);
}

TEST_F(BadInput, DeepNestingInBinaryIsRefused) {
    std::string binary = PanelRecord() + Int32(0) + Int32(1);
    constexpr int kLevels = 10000;
    for (int i = 0; i < kLevels; ++i) binary += KeyRecord("K" + std::to_string(i)) + Int32(0) + Int32(1);
    binary += KeyRecord("Last") + Int32(0) + Int32(0);
    ExpectRefused(binary);
}

// The load switches the panel to designing while it reads the panel's own record; every way
// out of it gives back the state it found, or keys would ignore the mouse afterwards.
TEST_F(BadInput, EveryFailedLoadLeavesThePanelsDesigningStateAsItFoundIt) {
    const std::string layout = SaveBinary();
    const std::string failures[] = {"this is no layout at all", layout.substr(0, 20),
                                    LayoutText("  object KeyA: OSKKey\r\n    Colr = 5\r\n  end\r\n", 1)};
    for (bool designing : {false, true}) {
        panel.SetDesigning(designing);
        for (const std::string& bytes : failures) {
            ExpectRefused(bytes);
            EXPECT_EQ(panel.Designing(), designing) << bytes.substr(0, 24);
        }
    }
    panel.SetDesigning(false);
    LoadText(TwoKeyLayout());
    EXPECT_FALSE(Key(0)->Designing());
}

TEST_F(BadInput, ANullTextIsAnEmptyOne) {
    EXPECT_THROW(io.LoadFromText(nullptr), EReadError);
    EXPECT_THROW(io.LoadFromText(""), EReadError);
}
}  // namespace
