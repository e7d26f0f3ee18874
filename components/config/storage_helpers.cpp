#include "components/config/storage_helpers.h"

#include <algorithm>

void HSaveFormPos(HConfigItem* key, TControl* form, const HFormWindowing& windowing) {
    if (!key || !form) return;
    key->Write("X", form->GetLeft());
    key->Write("Y", form->GetTop());
    key->Write("W", form->GetWidth());
    key->Write("H", form->GetHeight());
    key->Write("WindowState", static_cast<int>(windowing.WindowState(*form)));
}

void HLoadFormPos(HConfigItem* key, TControl* form, const HFormWindowing& windowing) {
    if (!key || !form) return;
    const TPoint screen = windowing.ScreenSize();
    int x = key->Read("X", -1), y = key->Read("Y", -1), w = key->Read("W", -1), h = key->Read("H", -1);
    const int state = key->Read("WindowState", 0);
    if (state == hwsMinimized || state == hwsMaximized) {
        windowing.SetWindowState(*form, static_cast<HWindowState>(state));
        return;
    }
    if (x == -1 || y == -1 || w == -1 || h == -1) return;
    if (!windowing.IsSizeable(*form)) {
        w = form->GetWidth();
        h = form->GetHeight();
    }
    // A damaged file must not shrink the form to nothing.
    if (w <= 0 || h <= 0) return;
    const int width = std::min(w, screen.X), height = std::min(h, screen.Y);
    if (x > screen.X) x = std::max(0, screen.X - width);
    if (y > screen.Y) y = std::max(0, screen.Y - height);
    form->SetBounds(x, y, width, height);
}

void HSaveFont(TFont* font, HConfigItem* key) {
    if (!font || !key) return;
    key->WriteColor("Color", font->GetColor());
    key->Write("Size", font->GetSize());
    key->Write("Name", font->GetName());
    const TFontStyles style = font->GetStyle();
    key->Write("Bold", style.Contains(fsBold));
    key->Write("Italic", style.Contains(fsItalic));
    key->Write("Underline", style.Contains(fsUnderline));
    key->Write("StrikeOut", style.Contains(fsStrikeOut));
}

void HLoadFont(TFont* font, HConfigItem* key) {
    if (!font || !key) return;
    font->SetColor(key->ReadColor("Color", font->GetColor()));
    font->SetSize(key->Read("Size", font->GetSize()));
    font->SetName(key->Read("Name", font->GetName().c_str()));
    const TFontStyles current = font->GetStyle();
    TFontStyles style;
    for (TFontStyle flag : {fsBold, fsItalic, fsUnderline, fsStrikeOut}) {
        static const char* const names[] = {"Bold", "Italic", "Underline", "StrikeOut"};
        if (key->Read(names[flag], current.Contains(flag))) style.Include(flag);
    }
    font->SetStyle(style);
}
