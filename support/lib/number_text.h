// Reading numbers from text.
#pragma once
#include <cstdint>

enum TStr2DigitFlag : unsigned {
    sdAllowSign = 1,    // accept a '+' or '-' before the number (and before a base prefix)
    sdOctalPrefix = 2,  // base 0: a "0" followed by a digit means octal, as in C (else such text is decimal)
};

// The number at the start of text. Leading blanks (spaces, tabs) are skipped; reading stops at the
// first character that is not a digit of the base. base is 2..36, or 0 to detect it: "0x"/"0X" or "$"
// mean hexadecimal, a leading "0" octal only with sdOctalPrefix, anything else decimal. Base 16
// also accepts the "0x" and "$" prefixes. Letters are digits in either case.
// Returns 0 when there is no digit (or text is nullptr, or base is invalid); a value beyond the int64
// range saturates at INT64_MAX or INT64_MIN.
int64_t Str2DigitDetect(const char* text, int base, unsigned flags);
