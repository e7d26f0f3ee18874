#include "support/lib/number_text.h"

#include <limits>

namespace {
int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

bool IsDigitOf(char c, int base) { return DigitValue(c) < base; }

// Skips a hexadecimal prefix when a hexadecimal digit follows it.
bool SkipHexPrefix(const char*& p) {
    if (p[0] == '$' && IsDigitOf(p[1], 16)) {
        p += 1;
        return true;
    }
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && IsDigitOf(p[2], 16)) {
        p += 2;
        return true;
    }
    return false;
}

int DetectBase(const char*& p, int base, unsigned flags) {
    if (base == 16) SkipHexPrefix(p);
    if (base != 0) return base;
    if (SkipHexPrefix(p)) return 16;
    if ((flags & sdOctalPrefix) && p[0] == '0' && IsDigitOf(p[1], 10)) return 8;
    return 10;
}

// Accumulates the magnitude, holding it at limit once it would pass it.
uint64_t ReadMagnitude(const char* p, int base, uint64_t limit) {
    uint64_t magnitude = 0;
    for (; IsDigitOf(*p, base); ++p) {
        const auto digit = static_cast<uint64_t>(DigitValue(*p));
        const auto radix = static_cast<uint64_t>(base);
        magnitude = magnitude > (limit - digit) / radix ? limit : magnitude * radix + digit;
    }
    return magnitude;
}
}  // namespace

int64_t Str2DigitDetect(const char* text, int base, unsigned flags) {
    if (!text || base < 0 || base == 1 || base > 36) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    bool negative = false;
    if ((flags & sdAllowSign) && (*p == '+' || *p == '-')) negative = *p++ == '-';
    base = DetectBase(p, base, flags);
    const uint64_t maxPositive = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    const uint64_t magnitude = ReadMagnitude(p, base, negative ? maxPositive + 1 : maxPositive);
    if (!negative) return static_cast<int64_t>(magnitude);
    if (magnitude == maxPositive + 1) return std::numeric_limits<int64_t>::min();
    return -static_cast<int64_t>(magnitude);
}
