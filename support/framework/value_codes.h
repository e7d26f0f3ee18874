// Value type codes of the binary component record.
#pragma once
#include <cstdint>

enum class TValueType : uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
    vaUTF8String = 20,
};

constexpr uint8_t kLastValueType = 20;

// Flags of the optional prefix byte 0xF0 | flags before a record's class name.
enum TFilerFlag : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

constexpr char kFilerSignature[4] = {'T', 'P', 'F', '0'};

// Deepest nesting of objects, lists or child controls accepted from a stream or text.
constexpr int kMaxNestingDepth = 200;
