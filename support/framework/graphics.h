// Colours, cursors, character sets and fonts as published properties know them.
#pragma once
#include <cstdint>
#include <string>

#include "class_builder.h"
#include "event.h"
#include "persistent.h"
#include "set.h"

// An RGB value 0x00BBGGRR, or a system colour 0x80000000 plus its index.
using TColor = int32_t;
using TCursor = int16_t;
using TFontCharset = uint8_t;

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<uint32_t>(index)); }
constexpr TColor clWindow = SystemColor(5), clWindowText = SystemColor(8), clBtnFace = SystemColor(15),
                 clBtnText = SystemColor(18), clHighlight = SystemColor(13), clHighlightText = SystemColor(14),
                 clInfoBk = SystemColor(24), clInfoText = SystemColor(23);
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

constexpr TCursor crDefault = 0, crArrow = -2, crIBeam = -4, crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8,
                  crSizeWE = -9, crHandPoint = -21, crSizeAll = -22;

// Character sets; streams name them ANSI_CHARSET, DEFAULT_CHARSET, RUSSIAN_CHARSET ... (the
// Windows headers define those names as macros, so the constants here are named differently).
constexpr TFontCharset kAnsiCharset = 0, kDefaultCharset = 1, kSymbolCharset = 2, kRussianCharset = 204,
                       kOemCharset = 255;

// Type information that writes these integers by their identifiers.
const TTypeInfo& ColorTypeInfo();
const TTypeInfo& CursorTypeInfo();
const TTypeInfo& CharsetTypeInfo();

// The colour's RGB value; system colours are resolved through resolveSystem (index in, RGB out).
uint32_t ColorToRGB(TColor color, uint32_t (*resolveSystem)(int index) = nullptr);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
PENDREL_ENUM_TYPEINFO(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut");
enum TFontPitch { fpDefault, fpVariable, fpFixed };
PENDREL_ENUM_TYPEINFO(TFontPitch, "fpDefault", "fpVariable", "fpFixed");

class TFont : public TPersistent {
    PENDREL_CLASS(TFont, TPersistent)
public:
    TFont() = default;

    TFontCharset GetCharset() const { return charset_; }
    void SetCharset(TFontCharset value) { Change(charset_, value); }
    TColor GetColor() const { return color_; }
    void SetColor(TColor value) { Change(color_, value); }
    // Negative: character height in pixels; positive: cell height.
    int GetHeight() const { return height_; }
    void SetHeight(int value) { Change(height_, value); }
    // Point size at 96 pixels per inch.
    int GetSize() const;
    void SetSize(int points);
    const std::string& GetName() const { return name_; }
    void SetName(const std::string& value) { Change(name_, value); }
    TFontPitch GetPitch() const { return pitch_; }
    void SetPitch(TFontPitch value) { Change(pitch_, value); }
    TFontStyles GetStyle() const { return style_; }
    void SetStyle(TFontStyles value) { Change(style_, value); }

    void Assign(const TPersistent* source) override;
    bool operator==(const TFont& other) const;

    TEvent<TObject*> OnChange;

private:
    template <class V>
    void Change(V& field, const V& value) {
        if (field == value) return;
        field = value;
        OnChange(this);
    }

    TFontCharset charset_ = kDefaultCharset;
    TColor color_ = clWindowText;
    int height_ = -11;
    std::string name_ = "MS Sans Serif";
    TFontPitch pitch_ = fpDefault;
    TFontStyles style_;
};
