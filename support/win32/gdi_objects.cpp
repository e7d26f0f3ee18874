#include "gdi_objects.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "wide_text.h"
#include "win32_error.h"

namespace {
BYTE PitchOf(TFontPitch pitch) {
    switch (pitch) {
        case fpVariable: return VARIABLE_PITCH;
        case fpFixed: return FIXED_PITCH;
        default: return DEFAULT_PITCH;
    }
}
}  // namespace

LOGFONTW DescribeFont(const TFont& font) {
    LOGFONTW description{};
    description.lfHeight = font.GetHeight();
    const TFontStyles style = font.GetStyle();
    description.lfWeight = style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = style.Contains(fsItalic);
    description.lfUnderline = style.Contains(fsUnderline);
    description.lfStrikeOut = style.Contains(fsStrikeOut);
    description.lfCharSet = font.GetCharset();
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = PitchOf(font.GetPitch());
    // Face names longer than LF_FACESIZE - 1 are cut, as the system would.
    const std::wstring name = Utf8ToWide(font.GetName());
    const size_t length = std::min(name.size(), static_cast<size_t>(LF_FACESIZE - 1));
    std::wmemcpy(description.lfFaceName, name.data(), length);
    return description;
}

namespace {
bool SameFont(const LOGFONTW& a, const LOGFONTW& b) {
    return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfPitchAndFamily == b.lfPitchAndFamily && std::wcscmp(a.lfFaceName, b.lfFaceName) == 0;
}
}  // namespace

TFontHandle::TFontHandle(const TFont& font) : description_(DescribeFont(font)), font_(CreateFontIndirectW(&description_)) {
    if (!font_) RaiseLastWin32Error("Cannot create the font '" + font.GetName() + "'");
}

TFontHandle::~TFontHandle() { DeleteObject(font_); }

bool TFontHandle::MadeFrom(const TFont& font) const { return SameFont(description_, DescribeFont(font)); }

TSolidBrush::TSolidBrush(COLORREF color) : color_(color), brush_(CreateSolidBrush(color)) {
    if (!brush_) RaiseLastWin32Error("Cannot create a brush");
}

TSolidBrush::~TSolidBrush() { DeleteObject(brush_); }
