// One layout open in the designer. Only the current one exists as controls on the design
// surface; every open layout exists as the stream the control I/O component wrote of it.
#pragma once
#include <memory>
#include <string>

#include "support/framework/stream.h"

// The path of a layout made by New that has no file yet.
inline constexpr char kNewFormPath[] = "<new>";

struct FormDocument {
    // The layout file's full path; kNewFormPath for a new layout.
    std::string Path;
    // There is a file to save to; false for a new layout, which has a name only.
    bool HasFile = false;
    // There are changes the file does not have.
    bool Modified = false;
    // Stream holds what the design surface shows now.
    bool StreamCurrent = false;
    std::unique_ptr<TMemoryStream> Stream = std::make_unique<TMemoryStream>();
};
