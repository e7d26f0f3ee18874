#include "support/dialogs/message_font.h"

#include <algorithm>

#include "support/framework/utf_text.h"

namespace {
LOGFONTW SystemMessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        LOGFONTW fallback{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
        return fallback;
    }
    return metrics.lfMessageFont;
}

std::string FaceName(const LOGFONTW& font) {
    std::string face;
    for (const wchar_t* p = font.lfFaceName; *p && p < font.lfFaceName + LF_FACESIZE; ++p) {
        char16_t c = static_cast<char16_t>(*p);
        // Face names of system fonts are plain ASCII; anything else keeps the dialog's default font.
        if (c >= 0x80) return "MS Shell Dlg";
        face.push_back(static_cast<char>(c));
    }
    return face.empty() ? "MS Shell Dlg" : face;
}

// A screen DC with a font selected, for measuring.
class TMeasuringDC {
public:
    explicit TMeasuringDC(HFONT font) : dc_(GetDC(nullptr)), old_(SelectObject(dc_, font)) {}
    ~TMeasuringDC() {
        SelectObject(dc_, old_);
        ReleaseDC(nullptr, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};
}  // namespace

TMessageFont::TMessageFont() {
    LOGFONTW font = SystemMessageFont();
    face_ = FaceName(font);
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    int height = font.lfHeight < 0 ? -font.lfHeight : std::max<int>(font.lfHeight, 1);
    points_ = static_cast<WORD>(std::clamp(MulDiv(height, 72, dpi), 1, 72));
    // The font the dialog will make from the template's point size, so measures agree with it.
    font.lfHeight = -MulDiv(points_, dpi, 72);
    font_ = CreateFontIndirectW(&font);
    ComputeBaseUnits();
}

TMessageFont::~TMessageFont() {
    if (font_) DeleteObject(font_);
}

void TMessageFont::ComputeBaseUnits() {
    if (!font_) return;
    TMeasuringDC dc(font_);
    static const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size{};
    TEXTMETRICW metrics{};
    if (GetTextExtentPoint32W(dc.Get(), kAlphabet, 52, &size) && GetTextMetricsW(dc.Get(), &metrics)) {
        baseX_ = std::max<int>((size.cx / 26 + 1) / 2, 1);
        baseY_ = std::max<int>(metrics.tmHeight, 1);
    }
}

SIZE TMessageFont::MeasureWrapped(const std::string& text, int width) const {
    return Measure(text, width, DT_WORDBREAK | DT_EXPANDTABS);
}

SIZE TMessageFont::MeasureLine(const std::string& text) const { return Measure(text, 0, DT_SINGLELINE); }

SIZE TMessageFont::Measure(const std::string& text, int width, UINT format) const {
    std::u16string wide = Utf8ToUtf16(text);
    TMeasuringDC dc(font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    RECT rect{0, 0, width, 0};
    DrawTextW(dc.Get(), reinterpret_cast<const wchar_t*>(wide.c_str()), static_cast<int>(wide.size()), &rect,
              format | DT_CALCRECT | DT_NOPREFIX);
    return {rect.right - rect.left, rect.bottom - rect.top};
}
