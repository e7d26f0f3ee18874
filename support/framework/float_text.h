// Floating point values as decimal text: the shortest digits that read back as the same
// value, with a '.' always present and an exponent only for very large or small values.
#pragma once
#include <string>

// Raises EReadError for NaNs and infinities, which have no text.
std::string DecimalText(float value);
std::string DecimalText(double value);
std::string DecimalText(long double value);
