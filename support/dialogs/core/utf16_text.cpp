#include "support/dialogs/core/utf16_text.h"

namespace {
constexpr char32_t kReplacement = 0xFFFD;

int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsValidCodePoint(char32_t cp, int length) {
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return cp >= kSmallest[length] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
}

// Decodes the code point at text[pos] and advances pos past it (one byte when malformed).
char32_t DecodeOne(std::string_view text, size_t& pos) {
    auto lead = static_cast<unsigned char>(text[pos]);
    int length = SequenceLength(lead);
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return length == 0 ? kReplacement : (lead < 0x80 ? lead : kReplacement);
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            pos += i;
            return kReplacement;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += length;
    return IsValidCodePoint(cp, length) ? cp : kReplacement;
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}
}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) AppendUtf16(out, DecodeOne(text, pos));
    return out;
}
