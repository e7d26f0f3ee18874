// The system clipboard for one exchange: opened when made (waiting a moment while another
// program holds it) and closed when gone. What is put on it is owned by a hidden window of
// the process, as the system requires of data set after emptying it.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

class TClipboardSession {
public:
    TClipboardSession();
    ~TClipboardSession();
    TClipboardSession(const TClipboardSession&) = delete;
    TClipboardSession& operator=(const TClipboardSession&) = delete;

    bool IsOpen() const { return open_; }
    // Takes the clipboard over, emptied; false when it is not open.
    bool Empty();
    // Puts a copy of the bytes under format; false when the system refused.
    bool Put(UINT format, const void* bytes, size_t size);
    // Puts UTF-8 text as the system's text, line ends as CR LF.
    bool PutText(const std::string& utf8);
    // The bytes under format up to the first NUL; nothing when there are none.
    std::optional<std::string> Bytes(UINT format) const;
    // The system's text as UTF-8.
    std::optional<std::string> Text() const;

private:
    bool open_ = false;
};
