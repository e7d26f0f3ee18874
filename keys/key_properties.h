// The published properties of the key classes, in the order layouts store them; each class
// names which of the optional groups it publishes.
#pragma once
#include "osk_custom_key.h"

enum TKeyPropertyGroup : unsigned {
    kpWordWrap = 1,    // WordWrap
    kpRepeat = 2,      // Repeating, RepeatDelay, RepeatInterval
    kpGlyph = 4,       // DisplayMode, Glyph, GlyphMask, Layout, NumGlyphs
    kpKeyCode = 8,     // KeyCode
    kpCommand = 16,    // Command, FileOrCommand, BufferEdit, ShortCut
};

template <class T>
void DeclareKeyProperties(TClassBuilder<T>& c, unsigned groups) {
    c.Property("Align", &T::GetAlign, &T::SetAlign).Default(alNone);
    c.Property("Anchors", &T::GetAnchors, &T::SetAnchors).Default(kDefaultAnchors);
    c.Property("Color", &T::GetColor, &T::SetColor).Type(ColorTypeInfo()).Stored(&T::IsColorStored);
    // The stream default is the colour a new key starts with, so that every other colour,
    // black included, is written and read back.
    c.Property("CoverColor", &T::GetCoverColor, &T::SetCoverColor).Type(ColorTypeInfo()).Default(clOlive);
    c.Property("Constraints", &T::GetConstraints, &T::SetConstraints);
    c.Property("Font", &T::GetFont, &T::SetFont).Stored(&T::IsFontStored);
    c.Property("Margin", &T::GetMargin, &T::SetMargin).Default(-1);
    c.Property("NoBorder", &T::GetNoBorder, &T::SetNoBorder).Default(false);
    c.Property("Flat", &T::GetFlat, &T::SetFlat).Default(true);
    c.Property("Opaque", &T::GetOpaque, &T::SetOpaque).Default(true);
    c.Property("ShowBorderWhenInactive", &T::GetShowBorderWhenInactive, &T::SetShowBorderWhenInactive).Default(false);
    c.Property("ShowHint", &T::GetShowHint, &T::SetShowHint).Default(false);
    c.Property("Spacing", &T::GetSpacing, &T::SetSpacing).Default(4);
    if (groups & kpWordWrap) c.Property("WordWrap", &T::GetWordWrap, &T::SetWordWrap).Default(false);
    if (groups & kpRepeat) {
        c.Property("Repeating", &T::GetRepeating, &T::SetRepeating).Default(false);
        c.Property("RepeatDelay", &T::GetRepeatDelay, &T::SetRepeatDelay).Default(400);
        c.Property("RepeatInterval", &T::GetRepeatInterval, &T::SetRepeatInterval).Default(100);
    }
    if (groups & kpGlyph) {
        c.Property("DisplayMode", &T::GetDisplayMode, &T::SetDisplayMode).Default(dmBoth);
        c.Property("Glyph", &T::GetGlyph, &T::SetGlyph);
        c.Property("GlyphMask", &T::GetGlyphMask, &T::SetGlyphMask);
        c.Property("Layout", &T::GetLayout, &T::SetLayout).Default(blGlyphLeft);
        c.Property("NumGlyphs", &T::GetNumGlyphs, &T::SetNumGlyphs).Default(1);
    }
    c.Property("KeyLabel", &T::GetKeyLabel, &T::SetKeyLabel).DefaultWhen(&T::IsKeyLabelDefault);
    if (groups & kpKeyCode) c.Property("KeyCode", &T::GetKeyCode, &T::SetKeyCode).Default(0).DefaultWhen(&T::IsKeyCodeDefault);
    if (groups & kpCommand) {
        c.Property("Command", &T::GetCommand, &T::SetCommand);
        c.Property("FileOrCommand", &T::GetFileOrCommand, &T::SetFileOrCommand);
        c.Property("BufferEdit", &T::GetBufferEdit, &T::SetBufferEdit);
        c.Property("ShortCut", &T::GetShortCut, &T::SetShortCut).Default(0);
    }
}
