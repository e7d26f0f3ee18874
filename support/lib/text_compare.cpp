#include "support/lib/text_compare.h"

#include "support/framework/text_case.h"

namespace {
unsigned char Folded(unsigned char c, bool caseSensitive) {
    return caseSensitive ? c : static_cast<unsigned char>(AsciiLower(static_cast<char>(c)));
}
}  // namespace

int StrCmp(const char* a, const char* b, int length, bool caseSensitive) {
    if (!a) a = "";
    if (!b) b = "";
    for (long long i = 0; length < 0 || i < length; ++i) {
        const unsigned char ca = Folded(static_cast<unsigned char>(a[i]), caseSensitive);
        const unsigned char cb = Folded(static_cast<unsigned char>(b[i]), caseSensitive);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) break;
    }
    return 0;
}
