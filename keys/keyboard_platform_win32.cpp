// The keys' platform in the Windows builds: the user32 keyboard and message functions.
#include <windows.h>

#include <string>

#include "keyboard_platform.h"
#include "translation_cache.h"

namespace {
class TWin32KeyboardPlatform : public IKeyboardPlatform {
public:
    int16_t KeyScan(char32_t character) override {
        if (character > 0xFFFF) return -1;
        return ::VkKeyScanW(static_cast<WCHAR>(character));
    }

    uint32_t MapKey(uint32_t code, uint32_t mapType) override { return ::MapVirtualKeyA(code, mapType); }

    int ToUnicode(uint32_t virtualKey, uint32_t scanCode, const uint8_t* state, char16_t* buffer, int bufferSize,
                    uint32_t flags, void* layout) override {
        return translations_.Translate(virtualKey, scanCode, state, buffer, bufferSize, flags, layout,
                                       [&](char16_t* answer) {
                                           auto* units = reinterpret_cast<LPWSTR>(answer);
                                           const auto hkl = static_cast<HKL>(layout);
                                           const int result = ::ToUnicodeEx(virtualKey, scanCode, state, units,
                                                                            bufferSize, flags, hkl);
                                           // A dead key stays pending in the layout and would change
                                           // the next key's translation; translating it once more
                                           // takes it out again.
                                           if (result < 0)
                                               ::ToUnicodeEx(virtualKey, scanCode, state, units, bufferSize,
                                                             flags, hkl);
                                           return result;
                                       });
    }

    std::string UpperCase(const std::string& character) override {
        WCHAR wide[8] = {};
        const int count = MultiByteToWideChar(CP_UTF8, 0, character.data(), static_cast<int>(character.size()), wide, 7);
        if (count <= 0) return character;
        CharUpperBuffW(wide, static_cast<DWORD>(count));
        char upper[32] = {};
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, count, upper, sizeof upper, nullptr, nullptr);
        return bytes > 0 ? std::string(upper, static_cast<size_t>(bytes)) : character;
    }

    intptr_t Send(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam) override {
        return ::SendMessageW(static_cast<HWND>(window), message, wParam, lParam);
    }

    bool Post(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam) override {
        return ::PostMessageW(static_cast<HWND>(window), message, wParam, lParam) != 0;
    }

private:
    TTranslationCache translations_;
};
}  // namespace

IKeyboardPlatform& DefaultKeyboardPlatform() {
    static TWin32KeyboardPlatform platform;
    return platform;
}
