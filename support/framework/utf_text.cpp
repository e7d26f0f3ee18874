#include "utf_text.h"

namespace {
bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The length of the sequence a lead byte opens; 0 for a byte that cannot open one.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsValidCodePoint(char32_t code, size_t length) {
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return code >= kSmallest[length] && code <= 0x10FFFF && !IsHighSurrogate(code) && !IsLowSurrogate(code);
}

void AppendUtf16(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
        return;
    }
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

// The code point of the units at i; i moves past it.
char32_t DecodeUtf16(std::u16string_view units, size_t& i) {
    const char32_t unit = units[i++];
    if (IsHighSurrogate(unit) && i < units.size() && IsLowSurrogate(units[i]))
        return 0x10000 + ((unit - 0xD800) << 10) + (units[i++] - 0xDC00u);
    return IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacementCharacter : unit;
}
}  // namespace

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

char32_t DecodeUtf8(std::string_view text, size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const size_t length = SequenceLength(lead);
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return lead < 0x80 ? lead : kReplacementCharacter;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            pos += i;
            return kReplacementCharacter;
        }
        code = (code << 6) | (next & 0x3F);
    }
    pos += length;
    return IsValidCodePoint(code, length) ? code : kReplacementCharacter;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) AppendUtf16(out, DecodeUtf8(text, pos));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size());
    for (size_t i = 0; i < units.size();) AppendUtf8(out, DecodeUtf16(units, i));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view units, size_t maxBytes) {
    std::string out, next;
    for (size_t i = 0; i < units.size();) {
        next.clear();
        AppendUtf8(next, DecodeUtf16(units, i));
        if (out.size() + next.size() > maxBytes) break;
        out += next;
    }
    return out;
}

std::string FirstCharacter(std::string_view text) {
    if (text.empty()) return "";
    size_t pos = 0;
    const char32_t code = DecodeUtf8(text, pos);
    if (code == kReplacementCharacter && text.substr(0, pos) != "\xEF\xBF\xBD") return std::string(text.substr(0, 1));
    return std::string(text.substr(0, pos));
}

char32_t CodePointOf(std::string_view character) {
    if (character.empty()) return kReplacementCharacter;
    size_t pos = 0;
    const char32_t code = DecodeUtf8(character, pos);
    return pos == character.size() ? code : kReplacementCharacter;
}
