#include "support/framework/extended_float.h"

#include <cmath>

namespace {
constexpr int kExponentBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
constexpr uint64_t kIntegerBit = uint64_t(1) << 63;
// The scale of a denormal's mantissa: value = mantissa * 2^-(16382 + 63).
constexpr int kDenormalShift = kExponentBias - 1 + 63;

TExtendedBytes Pack(bool negative, int exponent, uint64_t mantissa) {
    TExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i) bytes[i] = uint8_t(mantissa >> (8 * i));
    const unsigned signAndExponent = (negative ? 0x8000u : 0u) | unsigned(exponent);
    bytes[8] = uint8_t(signAndExponent);
    bytes[9] = uint8_t(signAndExponent >> 8);
    return bytes;
}
}  // namespace

TExtendedBytes EncodeExtended(long double value) {
    const bool negative = std::signbit(value);
    if (std::isnan(value)) return Pack(negative, kMaxExponent, kIntegerBit | (kIntegerBit >> 1));
    if (std::isinf(value)) return Pack(negative, kMaxExponent, kIntegerBit);
    const long double magnitude = std::fabs(value);
    if (magnitude == 0) return Pack(negative, 0, 0);
    int exponent = 0;
    const long double fraction = std::frexp(magnitude, &exponent);  // magnitude = fraction * 2^exponent
    const int biased = exponent + kExponentBias - 1;
    if (biased >= 1) return Pack(negative, biased, static_cast<uint64_t>(std::ldexp(fraction, 64)));
    return Pack(negative, 0, static_cast<uint64_t>(std::ldexp(magnitude, kDenormalShift)));
}

std::optional<long double> DecodeExtended(const TExtendedBytes& bytes) {
    uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i) mantissa |= uint64_t(bytes[i]) << (8 * i);
    const unsigned signAndExponent = unsigned(bytes[8]) | unsigned(bytes[9]) << 8;
    const bool negative = (signAndExponent & 0x8000u) != 0;
    const int exponent = int(signAndExponent & 0x7FFFu);
    const bool integerBit = (mantissa & kIntegerBit) != 0;
    if (exponent == kMaxExponent) return std::nullopt;
    if (exponent == 0 && integerBit) return std::nullopt;
    if (exponent != 0 && !integerBit) return std::nullopt;
    const int scale = exponent == 0 ? -kDenormalShift : exponent - kExponentBias - 63;
    const long double magnitude = std::ldexp(static_cast<long double>(mantissa), scale);
    return negative ? -magnitude : magnitude;
}
