#include "clipboard_session.h"

#include <cstring>

#include "wide_text.h"

namespace {
constexpr int kAttempts = 10;
constexpr DWORD kRetryMs = 20;

HWND ClipboardOwner() {
    static HWND owner = nullptr;
    if (!IsWindow(owner))
        owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    return owner;
}

std::string WithCrLf(const std::string& text) {
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf += '\r';
        crlf += text[i];
    }
    return crlf;
}

// Reads a locked clipboard block as characters up to the first NUL or its end.
template <class Char>
std::basic_string<Char> UpToNul(HANDLE data) {
    const size_t count = GlobalSize(data) / sizeof(Char);
    const auto* chars = static_cast<const Char*>(GlobalLock(data));
    if (!chars) return {};
    size_t length = 0;
    while (length < count && chars[length]) ++length;
    std::basic_string<Char> text(chars, length);
    GlobalUnlock(data);
    return text;
}
}  // namespace

TClipboardSession::TClipboardSession() {
    for (int attempt = 0; attempt < kAttempts && !open_; ++attempt) {
        if (attempt > 0) Sleep(kRetryMs);
        open_ = OpenClipboard(ClipboardOwner()) != FALSE;
    }
}

TClipboardSession::~TClipboardSession() {
    if (open_) CloseClipboard();
}

bool TClipboardSession::Empty() { return open_ && EmptyClipboard(); }

bool TClipboardSession::Put(UINT format, const void* bytes, size_t size) {
    if (!open_) return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return false;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory)) return true;
    GlobalFree(memory);
    return false;
}

bool TClipboardSession::PutText(const std::string& utf8) {
    const std::wstring wide = Utf8ToWide(WithCrLf(utf8));
    return Put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

std::optional<std::string> TClipboardSession::Bytes(UINT format) const {
    HANDLE data = open_ ? GetClipboardData(format) : nullptr;
    if (!data) return std::nullopt;
    return UpToNul<char>(data);
}

std::optional<std::string> TClipboardSession::Text() const {
    HANDLE data = open_ ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    if (!data) return std::nullopt;
    return WideToUtf8(UpToNul<wchar_t>(data));
}
