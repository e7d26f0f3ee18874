#include "float_text.h"

#include <charconv>
#include <cmath>

#include "exceptions.h"

namespace {
// Decimal exponents written without an exponent part.
constexpr int kMinPlainExponent = -5;
constexpr int kMaxPlainExponent = 20;

// Digits of the shortest text that reads back as the same value; '.' is always present.
template <typename Float>
std::string ShortestDecimal(Float value) {
    if (!std::isfinite(value)) throw EReadError("Invalid floating point value");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string scientific(buffer, result.ptr);  // [-]d[.ddd]e(+|-)xx
    const bool negative = scientific[0] == '-';
    const size_t e = scientific.find('e');
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < e; ++i)
        if (scientific[i] != '.') digits += scientific[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::stoi(scientific.substr(e + 1));
    std::string text = negative ? "-" : "";
    if (exponent < kMinPlainExponent || exponent > kMaxPlainExponent) {
        text += digits.substr(0, 1) + '.' + (digits.size() > 1 ? digits.substr(1) : "0");
        return text + 'E' + std::to_string(exponent);
    }
    if (exponent < 0) return text + "0." + std::string(size_t(-exponent - 1), '0') + digits;
    const size_t integerDigits = size_t(exponent) + 1;
    if (digits.size() <= integerDigits) return text + digits + std::string(integerDigits - digits.size(), '0') + ".0";
    return text + digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
}

}  // namespace

std::string DecimalText(float value) { return ShortestDecimal(value); }
std::string DecimalText(double value) { return ShortestDecimal(value); }
std::string DecimalText(long double value) { return ShortestDecimal(value); }
