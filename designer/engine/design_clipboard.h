// The clipboard as the designer uses it: layout text under the designer's own format, and
// the same text as plain text for other programs.
#pragma once
#include <optional>
#include <string>

class IDesignClipboard {
public:
    virtual ~IDesignClipboard() = default;
    // Replaces the clipboard's contents with text under format and as plain text.
    virtual void Put(const std::string& format, const std::string& text) = 0;
    // The text under format, else the plain text; nothing when the clipboard holds neither.
    virtual std::optional<std::string> Get(const std::string& format) const = 0;
};

// The system's clipboard (a clipboard of the process where there is none).
IDesignClipboard& SystemDesignClipboard();
