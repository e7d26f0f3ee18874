// Malformed records: every defect is a clean EReadError, never a crash or a huge allocation.
#include <gtest/gtest.h>

#include "record_helpers.h"
#include "support/framework/exceptions.h"
#include "support/framework/value_codes.h"

namespace {
std::string ReadErrorOf(const std::string& record) {
    try {
        ToText(record);
    } catch (const EReadError& e) {
        return e.Message;
    }
    return "no error";
}

TEST(MalformedBinary, WrongSignature) {
    EXPECT_EQ(ReadErrorOf("TPF1" + Obj("TX", "A", "")), "Invalid stream format");
    EXPECT_EQ(ReadErrorOf("TP"), "Invalid stream format");
}

TEST(MalformedBinary, UnknownValueCodeIsNamed) {
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({21}))), "Invalid value code 21 in component data");
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({0xFF}))), "Invalid value code 255 in component data");
}

TEST(MalformedBinary, FloatsThatCannotBeWrittenExactly) {
    const std::string expected = "Invalid floating point value";
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}))), expected);  // NaN
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}))), expected);  // -inf
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}))), expected);  // unnormal
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0}))), expected);  // pseudo-denormal
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({15, 0, 0, 0x80, 0x7F}))), expected);                 // single inf
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({17, 1, 0, 0, 0, 0, 0, 0xF0, 0x7F}))), expected);     // date NaN
}

TEST(MalformedBinary, LengthsBeyondTheEndAreRejectedBeforeAllocating) {
    const std::string expected = "Component data ends unexpectedly";
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({12}) + Int32Le(0x7FFFFFFF) + "abc")), expected);
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({10}) + Int32Le(0x7FFFFFFF))), expected);
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({18}) + Int32Le(0x40000000) + "ab")), expected);
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({20}) + Int32Le(5) + "abcd")), expected);
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({12}) + Int32Le(0x80000000))), "Invalid length in component data");
}

TEST(MalformedBinary, NamesThatWouldNotReadBack) {
    EXPECT_EQ(ReadErrorOf(Record(Obj("T X", "A", ""))), "Invalid class name in component data");
    EXPECT_EQ(ReadErrorOf(Record(Obj("", "A", ""))), "Invalid class name in component data");
    EXPECT_EQ(ReadErrorOf(Record(Obj("TX", "1A", ""))), "Invalid object name in component data");
    EXPECT_EQ(ReadErrorOf(Record(Obj("TX", "A", Prop("End", Bytes({2, 1}))))), "Invalid property name in component data");
    EXPECT_EQ(ReadErrorOf(Record(Obj("TX", "A", Prop("object.X", Bytes({2, 1}))))),
              "Invalid property name in component data");
    EXPECT_EQ(ReadErrorOf(Record(Obj("TX", "A", Prop("Font.", Bytes({2, 1}))))),
              "Invalid property name in component data");
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({7, 2}) + "a-")), "Invalid identifier in component data");
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({11, 3}) + "a.b" + Bytes({0}))), "Invalid set element in component data");
}

TEST(MalformedBinary, IntegersWhereTheFormatNeedsThem) {
    EXPECT_EQ(ReadErrorOf(Record(Bytes({0xF2, 19, 1, 0, 0, 0, 0, 0, 0, 0}) + Obj("TX", "A", ""))),
              "Integer expected in component data, found value code 19");
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({14, 6, 0}))), "Invalid collection item in component data");
    EXPECT_EQ(ReadErrorOf(RecordWithValue(Bytes({14, 2, 1, 2, 0}))), "Invalid collection item in component data");
}

TEST(MalformedBinary, TruncationAtEveryLengthIsACleanError) {
    const std::string record =
        Record(Bytes({0xF2, 3, 0, 1}) +
               Obj("TX", "A",
                   Prop("I", Bytes({19, 1, 2, 3, 4, 5, 6, 7, 8})) + Prop("S", Bytes({12}) + Int32Le(3) + "abc") +
                       Prop("W", Bytes({18}) + Int32Le(1) + Bytes({'w', 0})) +
                       Prop("F", Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})) +
                       Prop("L", Bytes({1, 11, 1, 'a', 0, 10}) + Int32Le(1) + Bytes({7, 0})) +
                       Prop("C", Bytes({14, 2, 1, 1}) + Prop("X", Bytes({9})) + Bytes({0, 0})),
                   Obj("TY", "B", Prop("D", Bytes({17, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F})))));
    ASSERT_NO_THROW(ToText(record));
    for (size_t length = 0; length < record.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_THROW(ToText(record.substr(0, length)), EReadError);
    }
}

TEST(MalformedBinary, ErrorsLeaveTheOutputUntouched) {
    const std::string record = RecordWithValue(Bytes({21}));
    TConstMemoryStream in(record.data(), int64_t(record.size()));
    TMemoryStream out;
    EXPECT_THROW(HObjectBinaryToText(0, &in, &out), EReadError);
    EXPECT_EQ(out.GetSize(), 0);
}

std::string NestedLists(int depth) {
    return RecordWithValue(std::string(size_t(depth), '\x01') + std::string(size_t(depth), '\0'));
}

// Each object holds the next as its only child.
std::string NestedObjects(int depth) {
    std::string record = "TPF0";
    for (int i = 0; i < depth; ++i) record += Short("TX") + Short("A") + '\0';
    return record + std::string(size_t(depth), '\0');
}

TEST(MalformedBinary, NestingIsLimited) {
    EXPECT_NO_THROW(ToText(NestedLists(kMaxNestingDepth - 1)));
    EXPECT_EQ(ReadErrorOf(NestedLists(kMaxNestingDepth)), "Component data nested too deeply");
    EXPECT_NO_THROW(ToText(NestedObjects(kMaxNestingDepth)));
    EXPECT_EQ(ReadErrorOf(NestedObjects(kMaxNestingDepth + 1)), "Component data nested too deeply");
}

TEST(MalformedBinary, DepthBombsFailCleanly) {
    EXPECT_EQ(ReadErrorOf(NestedLists(10000)), "Component data nested too deeply");
    EXPECT_EQ(ReadErrorOf(NestedObjects(10000)), "Component data nested too deeply");
    std::string collections;
    for (int i = 0; i < 10000; ++i) collections += Bytes({14, 1}) + Short("P");
    EXPECT_EQ(ReadErrorOf(RecordWithValue(collections)), "Component data nested too deeply");
}
}  // namespace
