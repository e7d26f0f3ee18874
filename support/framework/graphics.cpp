#include "graphics.h"

#include <cmath>

namespace {
const TIdentMap& ColorIdents() {
    static const TIdentMap map = {
        {clBlack, "clBlack"},     {clMaroon, "clMaroon"},
        {clGreen, "clGreen"},     {clOlive, "clOlive"},
        {clNavy, "clNavy"},       {clPurple, "clPurple"},
        {clTeal, "clTeal"},       {clGray, "clGray"},
        {clSilver, "clSilver"},   {clRed, "clRed"},
        {clLime, "clLime"},       {clYellow, "clYellow"},
        {clBlue, "clBlue"},       {clFuchsia, "clFuchsia"},
        {clAqua, "clAqua"},       {clWhite, "clWhite"},
        {SystemColor(0), "clScrollBar"},       {SystemColor(1), "clBackground"},
        {SystemColor(2), "clActiveCaption"},   {SystemColor(3), "clInactiveCaption"},
        {SystemColor(4), "clMenu"},            {SystemColor(5), "clWindow"},
        {SystemColor(6), "clWindowFrame"},     {SystemColor(7), "clMenuText"},
        {SystemColor(8), "clWindowText"},      {SystemColor(9), "clCaptionText"},
        {SystemColor(10), "clActiveBorder"},   {SystemColor(11), "clInactiveBorder"},
        {SystemColor(12), "clAppWorkSpace"},   {SystemColor(13), "clHighlight"},
        {SystemColor(14), "clHighlightText"},  {SystemColor(15), "clBtnFace"},
        {SystemColor(16), "clBtnShadow"},      {SystemColor(17), "clGrayText"},
        {SystemColor(18), "clBtnText"},        {SystemColor(19), "clInactiveCaptionText"},
        {SystemColor(20), "clBtnHighlight"},   {SystemColor(21), "cl3DDkShadow"},
        {SystemColor(22), "cl3DLight"},        {SystemColor(23), "clInfoText"},
        {SystemColor(24), "clInfoBk"},         {clNone, "clNone"},
        {clDefault, "clDefault"},
    };
    return map;
}

const TIdentMap& CursorIdents() {
    static const TIdentMap map = {
        {0, "crDefault"},     {-1, "crNone"},       {-2, "crArrow"},      {-3, "crCross"},
        {-4, "crIBeam"},      {-6, "crSizeNESW"},   {-7, "crSizeNS"},     {-8, "crSizeNWSE"},
        {-9, "crSizeWE"},     {-10, "crUpArrow"},   {-11, "crHourGlass"}, {-12, "crDrag"},
        {-13, "crNoDrop"},    {-14, "crHSplit"},    {-15, "crVSplit"},    {-16, "crMultiDrag"},
        {-17, "crSQLWait"},   {-18, "crNo"},        {-19, "crAppStart"},  {-20, "crHelp"},
        {-21, "crHandPoint"}, {-22, "crSizeAll"},
    };
    return map;
}

const TIdentMap& CharsetIdents() {
    static const TIdentMap map = {
        {0, "ANSI_CHARSET"},       {1, "DEFAULT_CHARSET"},     {2, "SYMBOL_CHARSET"},
        {77, "MAC_CHARSET"},       {128, "SHIFTJIS_CHARSET"},  {129, "HANGEUL_CHARSET"},
        {130, "JOHAB_CHARSET"},    {134, "GB2312_CHARSET"},    {136, "CHINESEBIG5_CHARSET"},
        {161, "GREEK_CHARSET"},    {162, "TURKISH_CHARSET"},   {163, "VIETNAMESE_CHARSET"},
        {177, "HEBREW_CHARSET"},   {178, "ARABIC_CHARSET"},    {186, "BALTIC_CHARSET"},
        {204, "RUSSIAN_CHARSET"},  {222, "THAI_CHARSET"},      {238, "EASTEUROPE_CHARSET"},
        {255, "OEM_CHARSET"},
    };
    return map;
}
}  // namespace

const TTypeInfo& ColorTypeInfo() {
    static const TTypeInfo info = MakeIntegerTypeInfo("TColor", TOrdType::otSLong, &ColorIdents());
    return info;
}

const TTypeInfo& CursorTypeInfo() {
    static const TTypeInfo info = MakeIntegerTypeInfo("TCursor", TOrdType::otSWord, &CursorIdents());
    return info;
}

const TTypeInfo& CharsetTypeInfo() {
    static const TTypeInfo info = MakeIntegerTypeInfo("TFontCharset", TOrdType::otUByte, &CharsetIdents());
    return info;
}

uint32_t ColorToRGB(TColor color, uint32_t (*resolveSystem)(int index)) {
    const auto value = static_cast<uint32_t>(color);
    if ((value & 0xFF000000u) == 0x80000000u) return resolveSystem ? resolveSystem(static_cast<int>(value & 0xFF)) : 0;
    return value & 0x00FFFFFFu;
}

PENDREL_IMPLEMENT_CLASS(TFont)

void TFont::DeclareProperties(TClassBuilder<TFont>& c) {
    c.Property("Charset", &TFont::GetCharset, &TFont::SetCharset).Type(CharsetTypeInfo()).Default(kDefaultCharset);
    c.Property("Color", &TFont::GetColor, &TFont::SetColor).Type(ColorTypeInfo());
    c.Property("Height", &TFont::GetHeight, &TFont::SetHeight);
    c.Property("Name", &TFont::GetName, &TFont::SetName);
    c.Property("Pitch", &TFont::GetPitch, &TFont::SetPitch).Default(fpDefault);
    c.Property("Size", &TFont::GetSize, &TFont::SetSize).Stored(false);
    c.Property("Style", &TFont::GetStyle, &TFont::SetStyle).Default(TFontStyles{});
}

int TFont::GetSize() const { return static_cast<int>(std::lround(-height_ * 72.0 / 96.0)); }

void TFont::SetSize(int points) { SetHeight(-static_cast<int>(std::lround(points * 96.0 / 72.0))); }

void TFont::Assign(const TPersistent* source) {
    auto* font = dynamic_cast<const TFont*>(source);
    if (!font) return TPersistent::Assign(source);
    if (*this == *font) return;
    charset_ = font->charset_;
    color_ = font->color_;
    height_ = font->height_;
    name_ = font->name_;
    pitch_ = font->pitch_;
    style_ = font->style_;
    OnChange(this);
}

bool TFont::operator==(const TFont& other) const {
    return charset_ == other.charset_ && color_ == other.color_ && height_ == other.height_ && name_ == other.name_ &&
           pitch_ == other.pitch_ && style_ == other.style_;
}
