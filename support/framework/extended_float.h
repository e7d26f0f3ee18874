// The 10-byte x87 extended form that component records use for floating point values.
#pragma once
#include <array>
#include <cfloat>
#include <cstdint>
#include <optional>

// The records keep all 64 mantissa bits; a narrower long double would lose them.
static_assert(LDBL_MANT_DIG == 64, "extended values need the x87 80-bit long double");

// Little-endian: 64-bit mantissa with explicit integer bit, then sign and 15-bit biased exponent.
using TExtendedBytes = std::array<uint8_t, 10>;

TExtendedBytes EncodeExtended(long double value);

// The value, or nothing for NaN, infinities and encodings an x87 unit never produces
// (unnormals, pseudo-denormals): those could not be written back bit for bit.
std::optional<long double> DecodeExtended(const TExtendedBytes& bytes);
