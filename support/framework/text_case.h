// Letter case of 8-bit text. Only ASCII letters fold, so that names compare alike in every
// locale and the bytes of UTF-8 sequences are left as they are.
#pragma once
#include <string>
#include <string_view>

char AsciiLower(char c);
char AsciiUpper(char c);
// Negative, 0 or positive as a sorts before, equal to or after b, ignoring letter case.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);

// Orders text without regard to letter case, for maps keyed by names.
struct TTextLess {
    bool operator()(std::string_view a, std::string_view b) const { return CompareText(a, b) < 0; }
};
