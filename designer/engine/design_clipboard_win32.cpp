#include <windows.h>

#include "design_clipboard.h"
#include "designer_error.h"
#include "support/win32/wide_text.h"

namespace {
// Another program may hold the clipboard for a moment.
bool OpenClipboardPatiently() {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

class TClipboardOpen {
public:
    TClipboardOpen() : open_(OpenClipboardPatiently()) {}
    ~TClipboardOpen() {
        if (open_) CloseClipboard();
    }
    TClipboardOpen(const TClipboardOpen&) = delete;
    TClipboardOpen& operator=(const TClipboardOpen&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

UINT FormatId(const std::string& format) { return RegisterClipboardFormatW(Utf8ToWide(format).c_str()); }

// Plain text on the clipboard has CR LF line ends.
std::wstring WithCrLf(const std::string& text) {
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf += '\r';
        crlf += text[i];
    }
    return Utf8ToWide(crlf);
}

void PutBytes(UINT format, const void* bytes, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) throw EDesignerError("Not enough memory for the clipboard");
    void* target = GlobalLock(memory);
    memcpy(target, bytes, size);
    GlobalUnlock(memory);
    if (!SetClipboardData(format, memory)) {
        GlobalFree(memory);
        throw EDesignerError("The clipboard refused the copied controls");
    }
}

std::optional<std::string> ReadText(UINT format, bool wide) {
    HANDLE data = GetClipboardData(format);
    if (!data) return std::nullopt;
    const size_t size = GlobalSize(data);
    const auto* bytes = static_cast<const char*>(GlobalLock(data));
    if (!bytes) return std::nullopt;
    std::string text;
    if (wide) {
        const auto* chars = reinterpret_cast<const wchar_t*>(bytes);
        size_t length = 0;
        while (length < size / sizeof(wchar_t) && chars[length]) ++length;
        text = WideToUtf8(std::wstring_view(chars, length));
    } else {
        size_t length = 0;
        while (length < size && bytes[length]) ++length;
        text.assign(bytes, length);
    }
    GlobalUnlock(data);
    return text;
}

class TSystemClipboard : public IDesignClipboard {
public:
    void Put(const std::string& format, const std::string& text) override {
        const TClipboardOpen open;
        if (!open.IsOpen()) throw EDesignerError("The clipboard is in use by another program");
        EmptyClipboard();
        PutBytes(FormatId(format), text.c_str(), text.size() + 1);
        const std::wstring plain = WithCrLf(text);
        PutBytes(CF_UNICODETEXT, plain.c_str(), (plain.size() + 1) * sizeof(wchar_t));
    }

    std::optional<std::string> Get(const std::string& format) const override {
        const TClipboardOpen open;
        if (!open.IsOpen()) return std::nullopt;
        if (auto own = ReadText(FormatId(format), false)) return own;
        return ReadText(CF_UNICODETEXT, true);
    }
};
}  // namespace

IDesignClipboard& SystemDesignClipboard() {
    static TSystemClipboard clipboard;
    return clipboard;
}
