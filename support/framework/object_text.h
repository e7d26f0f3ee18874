// Conversion between a binary component record and its object text. For canonical records
// (the smallest integer code, vaString up to 255 bytes, no needless prefix byte) the two
// directions are exact inverses.
#pragma once
#include <string>

class TParser;
class TStream;

// Reads one record ("TPF0" and one object) at in's position, leaves in just after it and
// appends the object text, indented for nesting level `level`, to out. Malformed records
// raise EReadError; out is left untouched then.
void HObjectBinaryToText(int level, TStream* in, TStream* out);

// Reads one object text from the parser's current token ("object", "inherited" or
// "inline") up to and including its "end", appends "TPF0" and the record to out, and
// leaves the parser on the token after that "end". Errors raise EParserError.
void HObjectTextToBinary(TParser* parser, TStream* out);

// Words that open or close an object in object text (case-insensitive); a property whose
// name starts with one of them cannot be written as text.
bool IsObjectTextKeyword(const std::string& word);
