// Messages of the layout persistence, in English and Russian.
#pragma once
#include "support/framework/language.h"

namespace persistence_texts {
extern const TLocalizedText ErrorParsingInput;  // 1201, formatted with the line and the cause
extern const TLocalizedText ExpectedInteger;     // 1202
extern const TLocalizedText ExpectedClosingBrace;  // 1203
extern const TLocalizedText ExpectedSymbol;      // 1204
}  // namespace persistence_texts
