#include "persistence_texts.h"

namespace persistence_texts {
const TLocalizedText ErrorParsingInput{"Error parsing input file at %d string: %s", "Ошибка разбора файла в %d строке: %s"};
const TLocalizedText ExpectedInteger{"Expected integer value", "Ожидается числовое значение"};
const TLocalizedText ExpectedClosingBrace{"Expected closing '}'", "Ождается закрывающая скобка '}'"};
const TLocalizedText ExpectedSymbol{"Expected symbol value", "Ожидается символьное значение"};
}  // namespace persistence_texts
