// UTF-8 and UTF-16 text. One rule for broken input everywhere: a malformed UTF-8 sequence
// and an unpaired surrogate each become U+FFFD.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

constexpr char32_t kReplacementCharacter = 0xFFFD;

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view units);
// As many whole characters as fit in maxBytes.
std::string Utf16ToUtf8(std::u16string_view units, size_t maxBytes);

void AppendUtf8(std::string& out, char32_t code);
// The code point at text[pos]; pos moves past it (one byte past a malformed sequence).
char32_t DecodeUtf8(std::string_view text, size_t& pos);
// The first character's bytes (its first byte when malformed); "" for an empty text.
std::string FirstCharacter(std::string_view text);
// The code point of a text that is exactly one character; U+FFFD otherwise.
char32_t CodePointOf(std::string_view character);
