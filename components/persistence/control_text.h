// The text form of a control stream: detection, hex blocks, rendering and parsing.
#pragma once

class TStream;

// True when the stream, at its position, starts with "object ", "inherited " or "inline ".
// Reads 11 bytes exactly (a shorter stream raises the read error) and restores the position.
bool IsTextControlStream(TStream* stream);

// Writes count bytes of input as upper-case hex pairs; before byte 0 and every 32nd byte,
// CR LF and twice level blanks.
void HWriteHexAsText(int level, TStream* input, TStream* output, int count);

// Renders the control entry at binary's position (record, data block, children) as text at level.
void RenderControlText(TStream& binary, TStream& text, int level = 0);

// Parses the control entry at the text's position into binary control stream form, appended
// to binary; with wholeText, nothing but blanks may follow it. Every fault raises EParserError
// "Error parsing input file at <line> string: <cause>".
void ParseControlText(TStream& text, TStream& binary, bool wholeText = false);
// Parses every control entry of the text, up to its end, into a child count and the entries,
// as they follow a record in the binary form; errors as ParseControlText.
void ParseControlEntries(TStream& text, TStream& binary);
