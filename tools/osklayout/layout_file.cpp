#include "layout_file.h"

#include "components/persistence/control_text.h"
#include "support/framework/exceptions.h"
#include "support/framework/stream.h"
#include "support/lib/stream_files.h"

namespace {
std::string Bytes(const TMemoryStream& stream) { return std::string(stream.Bytes().begin(), stream.Bytes().end()); }
}  // namespace

void LoadLayoutFile(const std::string& fileName, TMemoryStream& content) { HLoadStream(&content, fileName.c_str()); }

bool IsLayoutText(TMemoryStream& content) {
    content.SetPosition(0);
    if (content.GetSize() < 11) throw EReadError("The file is too short to be a layout");
    return IsTextControlStream(&content);
}

void LayoutTextToBinary(TStream& text, TMemoryStream& binary) {
    binary.Clear();
    text.SetPosition(0);
    ParseControlText(text, binary, true);
}

void LayoutBinaryToText(TStream& binary, TMemoryStream& text) {
    text.Clear();
    binary.SetPosition(0);
    RenderControlText(binary, text);
    if (binary.Remaining() != 0) throw EReadError("Unexpected data after the layout");
}

namespace {
void RenderBinaryFile(TMemoryStream& binary, TMemoryStream& text) {
    try {
        LayoutBinaryToText(binary, text);
    } catch (const EReadError& e) {
        throw EReadError("Damaged binary layout: " + e.Message);
    }
}
}  // namespace

std::string LayoutText(TMemoryStream& content) {
    TMemoryStream converted;
    if (IsLayoutText(content)) {
        LayoutTextToBinary(content, converted);
        return Bytes(content);
    }
    RenderBinaryFile(content, converted);
    return Bytes(converted);
}

std::string LayoutBinary(TMemoryStream& content) {
    TMemoryStream converted;
    if (IsLayoutText(content)) {
        LayoutTextToBinary(content, converted);
        return Bytes(converted);
    }
    RenderBinaryFile(content, converted);
    return Bytes(content);
}
