// Published properties: enumeration order and how the binary writer and reader encode values.
#include <gtest/gtest.h>

#include "framework_classes.h"
#include "support/framework/exceptions.h"
#include "support/framework/reader.h"
#include "support/framework/stream.h"
#include "support/framework/writer.h"

namespace {
std::string Bytes(const TMemoryStream& s) { return std::string(s.Bytes().begin(), s.Bytes().end()); }

std::vector<std::string> PropNames(const TObject& o) {
    std::vector<std::string> names;
    for (const TPropInfo& p : GetPropList(o)) names.push_back(p.Name);
    return names;
}

TEST(PropertyOrder, AncestorsFirstAndARedeclaredPropertyKeepsItsPlace) {
    TTinyChild child(nullptr);
    EXPECT_EQ(PropNames(child), (std::vector<std::string>{"Name", "Tag", "Value", "Small", "Color", "Font", "Extra"}));
    const TPropInfo* value = GetPropInfo(child, "value");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->Default, 7);
    EXPECT_EQ(GetPropInfo(TTiny(nullptr), "Value")->Default, 0);
}

// The property list of tiny, as the writer writes it.
std::string WrittenProperties(TTiny& tiny) {
    TMemoryStream s;
    TWriter writer(s);
    writer.WriteProperties(&tiny);
    return Bytes(s);
}

std::string ValueRecord(int32_t value) {
    TTiny tiny(nullptr);
    tiny.SetValue(value);
    return WrittenProperties(tiny);
}

TEST(IntegerEncoding, SmallestCodeThatHoldsTheValue) {
    const std::string name = "\x05Value";
    EXPECT_EQ(ValueRecord(127), name + std::string("\x02\x7F", 2));
    EXPECT_EQ(ValueRecord(-128), name + std::string("\x02\x80", 2));
    EXPECT_EQ(ValueRecord(128), name + std::string("\x03\x80\x00", 3));
    EXPECT_EQ(ValueRecord(-129), name + std::string("\x03\x7F\xFF", 3));
    EXPECT_EQ(ValueRecord(32767), name + std::string("\x03\xFF\x7F", 3));
    EXPECT_EQ(ValueRecord(40000), name + std::string("\x04\x40\x9C\x00\x00", 5));
    EXPECT_EQ(ValueRecord(70000), name + std::string("\x04\x70\x11\x01\x00", 5));
    EXPECT_EQ(ValueRecord(INT32_MAX), name + std::string("\x04\xFF\xFF\xFF\x7F", 5));
    EXPECT_EQ(ValueRecord(INT32_MIN), name + std::string("\x04\x00\x00\x00\x80", 5));
}

TEST(IntegerEncoding, DefaultValueIsNotWritten) {
    EXPECT_EQ(ValueRecord(0), "");
    TTinyChild child(nullptr);
    EXPECT_EQ(WrittenProperties(child), std::string("\x05Value\x02\x00", 8));  // 0 is not this class's default
    child.SetValue(7);
    EXPECT_EQ(WrittenProperties(child), "");
}

TEST(IdentifierIntegers, MappedColourIsWrittenByName) {
    TTiny tiny(nullptr);
    tiny.SetColor(clBtnFace);
    EXPECT_EQ(WrittenProperties(tiny), std::string("\x05""Color\x07\x09""clBtnFace"));
}

TEST(IdentifierIntegers, ColourOutsideTheMapIsWrittenAsAnInteger) {
    TTiny tiny(nullptr);
    tiny.SetColor(0x123456);
    EXPECT_EQ(WrittenProperties(tiny), std::string("\x05""Color\x04\x56\x34\x12\x00", 11));
}

TEST(Sets, FontStyleIsAListOfIdentifiers) {
    TTiny tiny(nullptr);
    tiny.StoreFont = true;
    tiny.GetFont()->SetStyle(TFontStyles{fsBold, fsItalic});
    const std::string bytes = WrittenProperties(tiny);
    EXPECT_NE(bytes.find(std::string("\x0A""Font.Style\x0B\x06""fsBold\x08""fsItalic\x00", 28)), std::string::npos);
}

// Reads a record written for a TTiny back into a fresh one, with the error hook given.
class ReadBack : public ::testing::Test {
protected:
    TMemoryStream Record(TTiny& source) {
        source.SetName("Source");
        TMemoryStream s;
        TWriter writer(s);
        writer.WriteRootComponent(&source);
        s.SetPosition(0);
        return s;
    }
    void Read(TMemoryStream& s, TTiny& target) {
        TReader reader(s);
        reader.OnError = [this](TReader&, const std::string& message, bool& handled) {
            messages.push_back(message);
            handled = handle;
        };
        reader.ReadRootComponent(&target);
    }
    std::vector<std::string> messages;
    bool handle = false;
};

TEST_F(ReadBack, ValuesComeBack) {
    TTiny source(nullptr), target(nullptr);
    source.SetValue(-70000);
    source.SetSmall(200);
    source.SetColor(clBtnFace);
    source.StoreFont = true;
    source.GetFont()->SetStyle(TFontStyles{fsItalic});
    TMemoryStream s = Record(source);
    Read(s, target);
    EXPECT_EQ(target.GetName(), "Source");
    EXPECT_EQ(target.GetValue(), -70000);
    EXPECT_EQ(target.GetSmall(), 200);
    EXPECT_EQ(target.GetColor(), clBtnFace);
    EXPECT_EQ(target.GetFont()->GetStyle(), TFontStyles{fsItalic});
    EXPECT_TRUE(messages.empty());
}

// "Value" and "Small" have the same length: renaming the property in the record puts 300 into a Byte.
TMemoryStream WithValueStoredAsSmall(TMemoryStream& s) {
    std::string bytes = Bytes(s);
    const size_t at = bytes.find("Value");
    bytes.replace(at, 5, "Small");
    TMemoryStream out;
    out.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    out.SetPosition(0);
    return out;
}

TEST_F(ReadBack, ValueOutsideAByteRaisesThroughTheHook) {
    TTiny source(nullptr), target(nullptr);
    source.SetValue(300);
    TMemoryStream written = Record(source);
    TMemoryStream s = WithValueStoredAsSmall(written);
    EXPECT_THROW(Read(s, target), EReadError);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Small"), std::string::npos) << messages[0];
    EXPECT_EQ(target.GetSmall(), 0);
}

TEST_F(ReadBack, HandledOutOfRangeValueIsPassedOver) {
    TTiny source(nullptr), target(nullptr);
    source.SetValue(300);
    source.SetColor(clRed);
    TMemoryStream written = Record(source);
    TMemoryStream s = WithValueStoredAsSmall(written);
    handle = true;
    Read(s, target);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(target.GetSmall(), 0);
    EXPECT_EQ(target.GetColor(), clRed);
}
}  // namespace
