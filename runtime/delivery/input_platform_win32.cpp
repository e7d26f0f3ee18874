#include <windows.h>

#include <cstring>

#include "runtime/delivery/input_platform.h"
#include "support/win32/clipboard_session.h"

namespace {
class TWin32InputPlatform final : public IInputPlatform {
public:
    void KeyEvent(uint8_t code, bool up) override { keybd_event(code, 0, up ? KEYEVENTF_KEYUP : 0, 0); }

    bool ReadKeyboardState(uint8_t* state) override {
        if (GetKeyboardState(state)) return true;
        std::memset(state, 0, 256);
        return false;
    }

    bool PutClipboardText(const std::string& utf8) override {
        TClipboardSession clipboard;
        return clipboard.Empty() && clipboard.PutText(utf8);
    }
};
}  // namespace

IInputPlatform& Win32InputPlatform() {
    static TWin32InputPlatform platform;
    return platform;
}
