#include <gtest/gtest.h>

#include "components/persistence/control_io.h"
#include "layout_classes.h"
#include "support/framework/stream.h"

namespace {
const char kWorkedExample[] =
    "object design: HDesignPanel\r\n"
    "  Left = 15\r\n"
    "  Top = 30\r\n"
    "  Width = 112\r\n"
    "  Height = 101\r\n"
    "end\r\n"
    "BEGIN 2\r\n"
    "  object OSKKey1: OSKKey\r\n"
    "    Left = 8\r\n"
    "    Top = 8\r\n"
    "    Width = 25\r\n"
    "    Height = 25\r\n"
    "    KeyLabel = 'A'\r\n"
    "    KeyCode = 65\r\n"
    "  end\r\n"
    "  object OSKKey2: OSKKey\r\n"
    "    Left = 36\r\n"
    "    Top = 8\r\n"
    "    Width = 25\r\n"
    "    Height = 25\r\n"
    "    KeyLabel = 'B'\r\n"
    "    KeyCode = 66\r\n"
    "  end\r\n"
    "END\r\n";

std::string Text(const TMemoryStream& s) { return std::string(s.Bytes().begin(), s.Bytes().end()); }

class WorkedExample : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterLayoutTestClasses();
        panel.SetName("design");
        io.SetControl(&panel);
    }
    TComponent form{nullptr};
    HDesignPanel panel{&form};
    HControlIO io{&form};
};

TEST_F(WorkedExample, TextLoadsAndSavesBackByteForByte) {
    io.LoadFromText(kWorkedExample);
    ASSERT_EQ(panel.ControlCount(), 2);
    EXPECT_EQ(panel.GetLeft(), 15);
    auto* second = dynamic_cast<OSKKey*>(panel.Controls(1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetName(), "OSKKey2");
    EXPECT_EQ(second->GetKeyLabel(), "B");
    EXPECT_EQ(second->GetKeyCode(), 66);

    TMemoryStream out;
    io.SetTextOutput(true);
    io.Save(&out);
    EXPECT_EQ(Text(out), kWorkedExample);
}

TEST_F(WorkedExample, BinaryFormFramesRecordsWithDataLengthsAndChildCounts) {
    io.LoadFromText(kWorkedExample);
    TMemoryStream binary;
    io.Save(&binary);
    const std::string bytes = Text(binary);
    ASSERT_EQ(bytes.substr(0, 4), "TPF0");
    const size_t firstKey = bytes.find("TPF0", 4);
    ASSERT_NE(firstKey, std::string::npos);
    EXPECT_EQ(bytes.substr(firstKey - 8, 8), std::string("\0\0\0\0\2\0\0\0", 8));
    const size_t secondKey = bytes.find("TPF0", firstKey + 4);
    EXPECT_EQ(bytes.substr(secondKey - 8, 8), std::string(8, '\0'));
    EXPECT_EQ(bytes.substr(bytes.size() - 8), std::string(8, '\0'));

    // And the binary form loads back to the same text.
    binary.SetPosition(0);
    io.Load(&binary);
    TMemoryStream text;
    io.SetTextOutput(true);
    io.Save(&text);
    EXPECT_EQ(Text(text), kWorkedExample);
}
}  // namespace
