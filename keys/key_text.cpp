#include "key_text.h"

namespace {
constexpr char32_t kReplacement = 0xFFFD;

// The length of the sequence a lead byte opens; 0 for a byte that cannot open one.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}
}  // namespace

std::string FirstCharacter(std::string_view text) {
    if (text.empty()) return "";
    const size_t length = SequenceLength(static_cast<unsigned char>(text[0]));
    if (length == 0 || length > text.size()) return std::string(text.substr(0, 1));
    for (size_t i = 1; i < length; ++i)
        if (!IsContinuation(text[i])) return std::string(text.substr(0, 1));
    return std::string(text.substr(0, length));
}

char32_t CodePointOf(std::string_view character) {
    if (character.empty()) return kReplacement;
    const auto lead = static_cast<unsigned char>(character[0]);
    const size_t length = SequenceLength(lead);
    if (length == 0 || length != character.size()) return kReplacement;
    if (length == 1) return lead;
    char32_t cp = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) cp = (cp << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
    return cp;
}

std::string Utf16ToUtf8(const char16_t* units, int count, size_t maxBytes) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        char32_t cp = units[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        std::string next;
        AppendUtf8(next, cp);
        if (out.size() + next.size() > maxBytes) break;
        out += next;
    }
    return out;
}
