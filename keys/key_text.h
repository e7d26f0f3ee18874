// The text helpers of key labels: characters of UTF-8 labels and translated UTF-16 units.
#pragma once
#include <string>
#include <string_view>

// The first character of text (one whole UTF-8 sequence; a malformed one counts as one byte); "" for "".
std::string FirstCharacter(std::string_view text);
// The code point of one character as FirstCharacter gives it; U+FFFD when malformed.
char32_t CodePointOf(std::string_view character);
// UTF-16 units as UTF-8, at most maxBytes long, cut only between characters.
std::string Utf16ToUtf8(const char16_t* units, int count, size_t maxBytes);
