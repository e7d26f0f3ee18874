#include "language.h"

#include <optional>

namespace {
std::optional<TUserLanguage>& Chosen() {
    static std::optional<TUserLanguage> chosen;
    return chosen;
}
}  // namespace

TUserLanguage UserLanguage() {
    if (!Chosen()) Chosen() = SystemUserLanguage();
    return *Chosen();
}

void SetUserLanguage(TUserLanguage language) { Chosen() = language; }
