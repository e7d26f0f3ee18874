// A keyboard for the key tests: the US layout, a Russian layout, a layout with a dead key,
// host settings answered from a table, and a record of the messages posted to hosts.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "keys/keyboard_platform.h"
#include "keys/us_keyboard.h"

inline void* const kUsLayout = reinterpret_cast<void*>(uintptr_t{0x04090409});
inline void* const kRussianLayout = reinterpret_cast<void*>(uintptr_t{0x04190419});
// US letters, but the apostrophe key is an accent that waits for the next key.
inline void* const kUsInternationalLayout = reinterpret_cast<void*>(uintptr_t{0xF0010409});
inline void* const kHostWindow = reinterpret_cast<void*>(uintptr_t{0x1234});

struct TPostedMessage {
    void* Window;
    uint32_t Message;
    uintptr_t WParam;
    intptr_t LParam;
};

class TTestKeyboard : public TUsKeyboard {
public:
    TTestKeyboard() { SetKeyboardPlatform(this); }
    ~TTestKeyboard() override { SetKeyboardPlatform(nullptr); }

    // The layout of the calling thread, which KeyScan uses.
    void* CurrentLayout = kUsLayout;
    // Host settings by name; a setting not listed answers with the default the key sends.
    std::map<std::string, intptr_t> Settings;
    std::vector<std::string> SettingQueries;
    std::vector<TPostedMessage> Posted;
    // What the state looked like when the last translation ran.
    std::vector<uint8_t> StateSeen;

    int16_t KeyScan(char32_t character) override;
    int ToUnicode(uint32_t virtualKey, uint32_t scanCode, const uint8_t* state, char16_t* buffer, int bufferSize,
                  uint32_t flags, void* layout) override;
    std::string UpperCase(const std::string& character) override;
    intptr_t Send(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    bool Post(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
};
