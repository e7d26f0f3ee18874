// A layout file in either form: loading it, and converting between text and binary.
#pragma once
#include <string>

class TMemoryStream;
class TStream;

// The file's bytes (decompressed when the file is compressed), positioned at the start.
void LoadLayoutFile(const std::string& fileName, TMemoryStream& content);
// True when the content, at its start, is the text form. Content too short for either
// form raises EReadError.
bool IsLayoutText(TMemoryStream& content);
// Text form to binary form. Parse errors become EParserError naming the line, as the
// loading component reports them; text after the layout is an error too.
void LayoutTextToBinary(TStream& text, TMemoryStream& binary);
// Binary form (from its start) to text form; inconsistent counts or lengths, and bytes
// after the layout, raise EReadError.
void LayoutBinaryToText(TStream& binary, TMemoryStream& text);
// The content in text form: text is returned as it is once it parses, binary is rendered.
std::string LayoutText(TMemoryStream& content);
// The content in binary form: binary is returned as it is once it renders, text is parsed.
std::string LayoutBinary(TMemoryStream& content);
