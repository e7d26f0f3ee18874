#include "layout_check.h"

#include "components/persistence/control_io.h"
#include "components/surface/design_panel.h"
#include "keys/palette_table.h"
#include "layout_file.h"
#include "support/framework/class_registry.h"
#include "support/framework/exceptions.h"
#include "support/framework/parser.h"
#include "support/framework/stream.h"

namespace {
std::string Bytes(const TMemoryStream& stream) { return std::string(stream.Bytes().begin(), stream.Bytes().end()); }

// The root record's class from the text's first line: "object [Name:] Class". The reader
// takes the root as the existing container and never looks its class up, so this does.
std::string RootClassName(TMemoryStream& text) {
    text.SetPosition(0);
    TParser parser(text);
    parser.NextToken();
    std::string className = parser.TokenString();
    if (parser.NextToken() == ':') {
        parser.NextToken();
        className = parser.TokenString();
    }
    return className;
}

// Renders the binary form, parses the rendering and renders that again: both renderings
// must agree, which also checks every count and length on the way.
void CheckRoundTrip(TMemoryStream& binary, TMemoryStream& text) {
    LayoutBinaryToText(binary, text);
    TMemoryStream reparsed;
    LayoutTextToBinary(text, reparsed);
    TMemoryStream rendered;
    LayoutBinaryToText(reparsed, rendered);
    if (Bytes(rendered) != Bytes(text)) throw EConvertError("The layout does not convert back to the same text");
}

void CheckClasses(TMemoryStream& binary, TMemoryStream& text) {
    const std::string rootClass = RootClassName(text);
    TClass cls = GetClass(rootClass);
    if (!cls) throw EClassNotFound("Class " + rootClass + " not found");
    if (!cls->InheritsFrom(&TWinControl::StaticClass()) || cls->IsAbstract())
        throw EReadError("Class " + rootClass + " cannot hold a layout");

    // The container is of the stored class, so that its own properties are checked too.
    TComponent owner(nullptr);
    auto* container = static_cast<TWinControl*>(cls->CreateInstance(&owner));
    auto* io = new HControlIO(&owner);
    io->SetControl(container);
    std::string firstError;
    io->OnReadError = [&firstError](TReader*, const AnsiString message, bool& handled) {
        if (firstError.empty()) firstError = message;
        handled = false;
    };
    binary.SetPosition(0);
    try {
        io->Load(&binary);
    } catch (const Exception& e) {
        throw EReadError(firstError.empty() ? e.Message : firstError);
    }
    if (!firstError.empty()) throw EReadError(firstError);
}
}  // namespace


void CheckLayout(TMemoryStream& content) {
    const bool isText = IsLayoutText(content);
    TMemoryStream binary;
    binary.LoadFromStream(content);
    if (isText) LayoutTextToBinary(content, binary);
    TMemoryStream text;
    try {
        CheckRoundTrip(binary, text);
    } catch (const EReadError& e) {
        // The text parser checks counts and lengths; a binary layout shows them wrong only here.
        throw EReadError("Damaged binary layout: " + e.Message);
    }
    CheckClasses(binary, text);
}
