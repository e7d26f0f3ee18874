// Two-letter names of keyboard languages, for keys that show the active layout.
#pragma once
#include <cstdint>
#include <string>

// The name of the language with this primary language byte (the low byte of a keyboard
// layout handle); for a language without one, the byte as two upper-case hex digits.
std::string LanguageAbbreviation(uint8_t language);
