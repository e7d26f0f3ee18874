#include "font_names.h"

#include <windows.h>

#include <set>

#include "support/win32/wide_text.h"

namespace {
int CALLBACK AddFontName(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
    if (font->lfFaceName[0] != L'@') reinterpret_cast<std::set<std::string>*>(names)->insert(WideToUtf8(font->lfFaceName));
    return 1;
}
}  // namespace

std::vector<std::string> InstalledFontNames() {
    std::set<std::string> names;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    if (HDC screen = GetDC(nullptr)) {
        EnumFontFamiliesExW(screen, &all, &AddFontName, reinterpret_cast<LPARAM>(&names), 0);
        ReleaseDC(nullptr, screen);
    }
    return {names.begin(), names.end()};
}
