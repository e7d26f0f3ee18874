#include "language_abbreviation.h"

#include <cstdio>

namespace {
struct TLanguageName {
    uint8_t Language;
    const char* Name;
};

// Searched in order; the first match wins.
constexpr TLanguageName kLanguageNames[] = {
    {0x01, "AR"}, {0x02, "BU"}, {0x03, "CA"}, {0x04, "CH"}, {0x05, "CZ"}, {0x06, "DA"}, {0x07, "GE"},
    {0x08, "GR"}, {0x09, "EN"}, {0x0A, "SP"}, {0x0B, "FI"}, {0x0C, "FR"}, {0x0D, "HE"}, {0x0E, "HU"},
    {0x0F, "IC"}, {0x10, "IT"}, {0x11, "JP"}, {0x12, "12"}, {0x13, "DU"}, {0x14, "NO"}, {0x15, "PO"},
    {0x16, "PR"}, {0x18, "RO"}, {0x19, "RU"}, {0x1A, "CR"}, {0x1B, "SL"}, {0x1C, "AL"}, {0x1D, "SW"},
    {0x1E, "TH"}, {0x1F, "TU"}, {0x20, "UR"}, {0x21, "IN"}, {0x22, "UK"}, {0x23, "BE"}, {0x24, "SL"},
    {0x25, "ES"}, {0x26, "LA"}, {0x27, "LI"}, {0x29, "FA"}, {0x2A, "VI"}, {0x2B, "AR"}, {0x2C, "AZ"},
    {0x2D, "BA"}, {0x2F, "MA"}, {0x36, "AF"}, {0x37, "GE"}, {0x38, "FA"}, {0x39, "HI"}, {0x3E, "MA"},
    {0x3F, "KA"}, {0x41, "SW"}, {0x43, "UZ"}, {0x44, "TA"}, {0x45, "BE"}, {0x46, "PU"}, {0x47, "GU"},
    {0x48, "OR"}, {0x49, "TA"}, {0x4A, "TE"}, {0x4B, "KA"}, {0x4C, "MA"}, {0x4D, "AS"}, {0x4E, "MA"},
    {0x4F, "SA"}, {0x57, "KO"}, {0x58, "MA"}, {0x59, "SI"}, {0x60, "KA"}, {0x61, "NE"},
};
}  // namespace

std::string LanguageAbbreviation(uint8_t language) {
    for (const TLanguageName& entry : kLanguageNames)
        if (entry.Language == language) return entry.Name;
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", language);
    return hex;
}
