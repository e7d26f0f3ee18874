// The values of binary component records, both ways: a one-byte type code, then the value,
// little-endian. The writer, the reader and both object text converters use these, so each
// form of a value is encoded and decoded in one place.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "value_codes.h"

class TStream;

// Appends values to a stream. Integers take the smallest code that holds them, strings the
// short form up to 255 bytes.
class TValueEncoder {
public:
    explicit TValueEncoder(TStream& out) : out_(out) {}

    void Byte(uint8_t value);
    void Code(TValueType type) { Byte(static_cast<uint8_t>(type)); }
    void Bytes(const void* data, size_t count);
    void Unsigned(uint64_t value, int size);
    // A length byte and the bytes; raises EWriteError beyond 255 bytes.
    void ShortString(const std::string& text);

    void Integer(int64_t value);
    void String(const std::string& text);
    // A code, a 32-bit length and the bytes (long strings, binary data).
    void Counted(TValueType type, const std::string& bytes);
    void Ident(const std::string& ident);  // False, True, nil and Null take their own codes
    void Extended(long double value);
    void Single(float value);
    void Date(double value);
    void Currency(int64_t scaledBy10000);
    // The element names of a set, each a short string, then an empty one.
    void Set(const std::vector<std::string>& names);

private:
    TStream& out_;
};

// Reads values from a stream, checking every length against what is left of it, so that a
// damaged record raises EReadError instead of reading or allocating beyond its end.
class TValueDecoder {
public:
    explicit TValueDecoder(TStream& in) : in_(in) {}

    uint8_t Byte();
    TValueType Code() { return static_cast<TValueType>(Byte()); }
    // The next code, left in the stream.
    TValueType PeekCode();
    std::string Bytes(int64_t count);
    std::string ShortString() { return Bytes(Byte()); }
    uint64_t Unsigned(int size);
    int64_t Signed(int size);
    // A 32-bit length that the rest of the stream can hold.
    int64_t Length();
    int64_t Remaining() const;
    void Skip(int64_t count);

    // The value after its code: integers of every size, strings of every kind as UTF-8,
    // floats of every kind; raise EReadError when the code is of another kind.
    int64_t IntegerAfter(TValueType code);
    // The 10 bytes of an extended value; nothing for a NaN, an infinity or an encoding no
    // x87 unit produces.
    std::optional<long double> Extended();
    std::string StringAfter(TValueType code);
    long double FloatAfter(TValueType code);

private:
    TStream& in_;
};

// The byte count of an integer code (1, 2, 4, 8); 0 for any other code.
int IntegerSize(TValueType code);
bool IsStringCode(TValueType code);
bool IsFloatCode(TValueType code);
// The name of a code for messages ("Int8", "String", "value 99").
std::string ValueCodeName(TValueType code);
