// The platform's keyboard and message functions as the keys use them, behind an interface,
// so that tests can offer layouts and dead keys the test machine does not have.
// Windows and keyboard layouts are handles (HWND, HKL) passed as void*.
#pragma once
#include <cstdint>
#include <string>

class IKeyboardPlatform {
public:
    virtual ~IKeyboardPlatform() = default;

    // VkKeyScan of the calling thread's layout: virtual key in the low byte, shift state in
    // the high byte; -1 when no key types the character.
    virtual int16_t KeyScan(char32_t character) = 0;
    // MapVirtualKey: with mapType 0, the scan code of a virtual key (0 when it has none).
    virtual uint32_t MapKey(uint32_t code, uint32_t mapType) = 0;
    // ToUnicodeEx: the UTF-16 units the key gives with this 256-byte state in this layout;
    // the count, 0 for nothing, negative for a dead key.
    virtual int ToUnicode(uint32_t virtualKey, uint32_t scanCode, const uint8_t* state, char16_t* buffer,
                            int bufferSize, uint32_t flags, void* layout) = 0;
    // The character (UTF-8) in upper case, as CharUpper gives it.
    virtual std::string UpperCase(const std::string& character) = 0;
    virtual intptr_t Send(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual bool Post(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
};

// The platform the keys use: the one set here, else the build's own (the Windows functions
// in the Windows builds, a US-English keyboard without windows elsewhere).
IKeyboardPlatform& KeyboardPlatform();
// Null returns to the build's own; the platform set must outlive its use.
void SetKeyboardPlatform(IKeyboardPlatform* platform);
// The build's own platform.
IKeyboardPlatform& DefaultKeyboardPlatform();
