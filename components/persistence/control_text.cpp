#include "control_text.h"

#include <cstring>
#include <string>

#include "persistence_texts.h"
#include "support/framework/depth_guard.h"
#include "support/framework/exceptions.h"
#include "support/framework/object_text.h"
#include "support/framework/parser.h"
#include "support/framework/stream.h"
#include "support/framework/value_codes.h"
#include "support/lib/format.h"

namespace {
void WriteText(TStream& out, const std::string& text) { out.WriteBuffer(text.data(), static_cast<int32_t>(text.size())); }

std::string Blanks(int level) { return std::string(static_cast<size_t>(2 * level), ' '); }

// A length or count of the binary form; it can never exceed what the stream still holds.
int32_t ReadCount(TStream& binary, const char* what) {
    const int32_t value = binary.ReadInt32();
    if (value < 0 || value > binary.Remaining()) throw EReadError(std::string("Invalid ") + what + " in control stream: " + std::to_string(value));
    return value;
}

void CheckDepth(int level) { CheckNestingDepth(level, "Controls nested too deeply"); }
}  // namespace

bool IsTextControlStream(TStream* stream) {
    const int64_t position = stream->GetPosition();
    char head[11];
    try {
        stream->ReadBuffer(head, sizeof head);
    } catch (...) {
        stream->SetPosition(position);
        throw;
    }
    stream->SetPosition(position);
    return std::memcmp(head, "object ", 7) == 0 || std::memcmp(head, "inherited ", 10) == 0 ||
           std::memcmp(head, "inline ", 7) == 0;
}

void HWriteHexAsText(int level, TStream* input, TStream* output, int count) {
    static const char digits[] = "0123456789ABCDEF";
    const std::string lineBreak = "\r\n" + Blanks(level);
    for (int i = 0; i < count; ++i) {
        if (i % 32 == 0) WriteText(*output, lineBreak);
        uint8_t byte;
        input->ReadBuffer(&byte, 1);
        const char pair[2] = {digits[byte >> 4], digits[byte & 15]};
        output->WriteBuffer(pair, 2);
    }
}

void RenderControlText(TStream& binary, TStream& text, int level) {
    CheckDepth(level);
    HObjectBinaryToText(level, &binary, &text);
    const int32_t dataLength = ReadCount(binary, "data length");
    if (dataLength != 0) {
        WriteText(text, Blanks(level) + "{ " + std::to_string(dataLength) + " ");
        HWriteHexAsText(level + 1, &binary, &text, dataLength);
        WriteText(text, " }\r\n");
    }
    const int32_t childCount = ReadCount(binary, "child count");
    if (childCount == 0) return;
    WriteText(text, Blanks(level) + "BEGIN " + std::to_string(childCount) + "\r\n");
    for (int32_t i = 0; i < childCount; ++i) RenderControlText(binary, text, level + 1);
    WriteText(text, Blanks(level) + "END\r\n");
}

namespace {
int32_t ExpectInteger(TParser& parser) {
    if (parser.NextToken() != toInteger) throw EParserError(persistence_texts::ExpectedInteger.Get());
    const int64_t value = parser.TokenInt();
    if (value < INT32_MIN || value > INT32_MAX) throw EParserError(persistence_texts::ExpectedInteger.Get());
    return static_cast<int32_t>(value);
}

void ParseDataBlock(TParser& parser, TStream& binary) {
    if (parser.Token() != '{') {
        binary.WriteInt32(0);
        return;
    }
    const int32_t declared = ExpectInteger(parser);
    binary.WriteInt32(declared);
    const int64_t start = binary.GetPosition();
    parser.HexToBinary(binary);
    // A length that differs from the bytes given would misplace every record after the block.
    if (binary.GetPosition() - start != declared)
        throw EParserError("Data block declares " + std::to_string(declared) + " bytes but holds " +
                           std::to_string(binary.GetPosition() - start));
    if (parser.Token() != '}') throw EParserError(persistence_texts::ExpectedClosingBrace.Get());
    parser.NextToken();
}

void ParseChildren(TParser& parser, TStream& binary, int level) {
    if (!parser.TokenSymbolIs("BEGIN")) {
        binary.WriteInt32(0);
        return;
    }
    const int beginLine = parser.SourceLine();
    const int32_t count = ExpectInteger(parser);
    binary.WriteInt32(count);
    if (parser.NextToken() != toSymbol) throw EParserError(persistence_texts::ExpectedSymbol.Get());
    int32_t held = 0;
    for (; !parser.TokenSymbolIs("END"); ++held) {
        CheckDepth(level + 1);
        HObjectTextToBinary(&parser, &binary);
        ParseDataBlock(parser, binary);
        ParseChildren(parser, binary, level + 1);
    }
    parser.NextToken();
    // A count that differs from the children given would move records between parent and siblings.
    if (held != count) {
        const std::string cause = "BEGIN " + std::to_string(count) + " declares " + std::to_string(count) +
                                  " controls but the block holds " + std::to_string(held);
        throw EParserError(cause, cause, beginLine);
    }
}

void ParseOneControl(TParser& parser, TStream& binary) {
    HObjectTextToBinary(&parser, &binary);
    ParseDataBlock(parser, binary);
    ParseChildren(parser, binary, 0);
}

// Runs parse on a parser over text; every fault becomes the library's parse error with its line.
template <class Parse>
void ParseReporting(TStream& text, Parse parse) {
    TParser parser(text);
    try {
        parse(parser);
    } catch (const EParserError& e) {
        const int line = e.Line != 0 ? e.Line : parser.SourceLine();
        throw EParserError(Message(persistence_texts::ErrorParsingInput.Get(), line, e.CauseText().c_str()),
                           e.CauseText(), line);
    } catch (const Exception& e) {
        throw EParserError(Message(persistence_texts::ErrorParsingInput.Get(), parser.SourceLine(), e.Message.c_str()),
                           e.Message, parser.SourceLine());
    }
}
}  // namespace

void ParseControlText(TStream& text, TStream& binary, bool wholeText) {
    ParseReporting(text, [&](TParser& parser) {
        ParseOneControl(parser, binary);
        if (wholeText && parser.Token() != toEOF) throw EParserError("Unexpected text after the layout");
    });
}

void ParseControlEntries(TStream& text, TStream& binary) {
    ParseReporting(text, [&](TParser& parser) {
        TMemoryStream entries;
        int32_t count = 0;
        for (; parser.Token() != toEOF; ++count) ParseOneControl(parser, entries);
        binary.WriteInt32(count);
        binary.CopyFrom(entries, 0);
    });
}
