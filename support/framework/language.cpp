#include "language.h"

#include <optional>

#ifdef _WIN32
// Declared here so that this portable unit needs no windows.h.
extern "C" __declspec(dllimport) unsigned short __stdcall GetUserDefaultUILanguage(void);
#endif

namespace {
std::optional<TUserLanguage>& Chosen() {
    static std::optional<TUserLanguage> chosen;
    return chosen;
}

TUserLanguage SystemLanguage() {
#ifdef _WIN32
    constexpr unsigned short kPrimaryRussian = 0x19;
    return (GetUserDefaultUILanguage() & 0x3FF) == kPrimaryRussian ? TUserLanguage::Russian : TUserLanguage::English;
#else
    return TUserLanguage::English;
#endif
}
}  // namespace

TUserLanguage UserLanguage() {
    if (!Chosen()) Chosen() = SystemLanguage();
    return *Chosen();
}

void SetUserLanguage(TUserLanguage language) { Chosen() = language; }
