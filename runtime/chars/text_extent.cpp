#include "runtime/chars/text_extent.h"

#include <windows.h>

#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"

TPoint MeasureText(const std::string& text, const TFont& font) {
    const std::wstring wide = Utf8ToWide(text);
    TScreenDc screen;
    TFontHandle handle(font);
    TDcSelection selection(screen.Get(), handle.Get());
    if (wide.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(screen.Get(), &metrics);
        return {0, metrics.tmHeight};
    }
    SIZE size{};
    GetTextExtentPoint32W(screen.Get(), wide.data(), static_cast<int>(wide.size()), &size);
    return {size.cx, size.cy};
}

void FitLabelToCaption(TLabel& label) {
    const TPoint size = MeasureText(label.GetCaption(), *label.GetFont());
    label.SetBounds(label.GetLeft(), label.GetTop(), size.X, size.Y);
}
