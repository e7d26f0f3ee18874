#include <windows.h>

#include <cstring>

#include "runtime/delivery/input_platform.h"
#include "support/win32/wide_text.h"

namespace {
// Another program may hold the clipboard open for a moment; we wait at most this long.
constexpr int kClipboardAttempts = 10;
constexpr DWORD kClipboardRetryMs = 20;

class TClipboardSession {
public:
    explicit TClipboardSession(HWND owner) {
        for (int attempt = 0; attempt < kClipboardAttempts && !open_; ++attempt) {
            if (attempt > 0) Sleep(kClipboardRetryMs);
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~TClipboardSession() {
        if (open_) CloseClipboard();
    }
    TClipboardSession(const TClipboardSession&) = delete;
    TClipboardSession& operator=(const TClipboardSession&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

HGLOBAL CopyToGlobal(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return nullptr;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    return memory;
}

class TWin32InputPlatform final : public IInputPlatform {
public:
    void KeyEvent(uint8_t code, bool up) override { keybd_event(code, 0, up ? KEYEVENTF_KEYUP : 0, 0); }

    bool ReadKeyboardState(uint8_t* state) override {
        if (GetKeyboardState(state)) return true;
        std::memset(state, 0, 256);
        return false;
    }

    bool PutClipboardText(const std::string& utf8) override {
        HGLOBAL memory = CopyToGlobal(Utf8ToWide(utf8));
        if (!memory) return false;
        TClipboardSession clipboard(ClipboardOwner());
        if (clipboard.IsOpen() && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory)) return true;
        GlobalFree(memory);
        return false;
    }

private:
    // Data set on a clipboard opened without a window may be refused, so we own it with a
    // message-only window of our own.
    HWND ClipboardOwner() {
        if (!IsWindow(owner_))
            owner_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        return owner_;
    }

    HWND owner_ = nullptr;
};
}  // namespace

IInputPlatform& Win32InputPlatform() {
    static TWin32InputPlatform platform;
    return platform;
}
