// Shared by the object text fuzz targets: conversions that must not fail, and a hard check.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/framework/object_text.h"
#include "support/framework/parser.h"
#include "support/framework/stream.h"

// A broken invariant is a bug: stop so that the fuzzer keeps the input.
inline void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "object text invariant broken: %s\n", what);
    std::abort();
}

inline std::string Contents(const TMemoryStream& stream) {
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

// Converts a whole record; any exception escapes and fails the run.
inline std::string RecordToText(const std::string& record) {
    TConstMemoryStream in(record.data(), int64_t(record.size()));
    TMemoryStream out;
    HObjectBinaryToText(0, &in, &out);
    Require(in.GetPosition() == int64_t(record.size()), "a written record is read to its end");
    return Contents(out);
}

inline std::string TextToRecord(const std::string& text) {
    TConstMemoryStream in(text.data(), int64_t(text.size()));
    TParser parser(in);
    TMemoryStream out;
    HObjectTextToBinary(&parser, &out);
    Require(parser.Token() == toEOF, "written text is read to its end");
    return Contents(out);
}
