// A component through the layout text form and back into another.
#pragma once
#include <string>

#include "support/framework/component.h"
#include "support/framework/object_text.h"
#include "support/framework/parser.h"
#include "support/framework/reader.h"
#include "support/framework/stream.h"
#include "support/framework/writer.h"

inline std::string ComponentText(TComponent& component) {
    TMemoryStream binary, text;
    TWriter writer(binary);
    writer.WriteRootComponent(&component);
    binary.SetPosition(0);
    HObjectBinaryToText(0, &binary, &text);
    return std::string(text.Bytes().begin(), text.Bytes().end());
}

inline void ReadComponentText(const std::string& text, TComponent& into) {
    TMemoryStream source, binary;
    source.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    source.SetPosition(0);
    TParser parser(source);
    HObjectTextToBinary(&parser, &binary);
    binary.SetPosition(0);
    TReader reader(binary);
    reader.ReadRootComponent(&into);
}
