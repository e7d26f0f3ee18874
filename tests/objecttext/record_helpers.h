// Hand-built records and texts for the object text tests.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

#include "support/framework/object_text.h"
#include "support/framework/parser.h"
#include "support/framework/stream.h"

inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int v : values) bytes += char(v);
    return bytes;
}

inline std::string Short(const std::string& text) { return char(text.size()) + text; }

inline std::string Int32Le(uint32_t value) {
    return Bytes({int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF), int(value >> 24)});
}

inline std::string Prop(const std::string& name, const std::string& value) { return Short(name) + value; }

// An object without prefix: class, name, properties, end, children, end.
inline std::string Obj(const std::string& className, const std::string& name, const std::string& properties,
                       const std::string& children = "") {
    return Short(className) + Short(name) + properties + '\0' + children + '\0';
}

inline std::string Record(const std::string& object) { return "TPF0" + object; }

// Lines each ended by CR LF.
inline std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

inline std::string AsString(const TMemoryStream& stream) {
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

inline std::string ToText(const std::string& record, int level = 0) {
    TConstMemoryStream in(record.data(), int64_t(record.size()));
    TMemoryStream out;
    HObjectBinaryToText(level, &in, &out);
    return AsString(out);
}

inline std::string ToBinary(const std::string& text) {
    TConstMemoryStream in(text.data(), int64_t(text.size()));
    TParser parser(in);
    TMemoryStream out;
    HObjectTextToBinary(&parser, &out);
    return AsString(out);
}

// A record whose root object TX named A has the single property P.
inline std::string RecordWithValue(const std::string& value) { return Record(Obj("TX", "A", Prop("P", value))); }

inline std::string TextWithValue(const std::string& value) {
    return "object A: TX\r\n  P = " + value + "\r\nend\r\n";
}
