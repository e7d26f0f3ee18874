// windowshot <window class> <window title> <output.png> [--keys ctrl+e,ctrl+a] [--close]
// Waits until the window is on the screen, with --keys types the shortcuts into it one after
// another, saves its picture as PNG and, with --close, asks it to close. Exit code 0 on
// success, 1 on failure, 2 on bad arguments.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "png_file.h"
#include "support/win32/wide_text.h"

namespace {
constexpr DWORD kWaitMilliseconds = 20000;
// What the window paints after it appears (keys, labels) gets this long to arrive.
constexpr DWORD kSettleMilliseconds = 700;

HWND WaitForWindow(const std::wstring& cls, const std::wstring& title) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kWaitMilliseconds) {
        HWND wnd = FindWindowW(cls.c_str(), title.c_str());
        if (wnd && IsWindowVisible(wnd)) return wnd;
        Sleep(20);
    }
    return nullptr;
}

struct TShortcut {
    std::vector<BYTE> Modifiers;
    BYTE Key = 0;
};

// 1 for "f1" ... 12 for "f12"; 0 for anything else.
int FunctionKeyNumber(const std::string& part) {
    if (part.size() < 2 || part.size() > 3 || part[0] != 'f') return 0;
    int number = 0;
    for (size_t i = 1; i < part.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(part[i]))) return 0;
        number = number * 10 + (part[i] - '0');
    }
    return number;
}

// "ctrl+shift+e", "alt+f3", "f6", "a": modifiers and one letter, digit or function key.
std::optional<TShortcut> ParseShortcut(const std::string& text) {
    TShortcut shortcut;
    std::stringstream parts(text);
    std::string part;
    while (std::getline(parts, part, '+')) {
        for (char& c : part) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (part == "ctrl") shortcut.Modifiers.push_back(VK_CONTROL);
        else if (part == "shift") shortcut.Modifiers.push_back(VK_SHIFT);
        else if (part == "alt") shortcut.Modifiers.push_back(VK_MENU);
        else if (part.size() == 1 && std::isalnum(static_cast<unsigned char>(part[0])))
            shortcut.Key = static_cast<BYTE>(std::toupper(static_cast<unsigned char>(part[0])));
        else if (const int f = FunctionKeyNumber(part); f >= 1 && f <= 12)
            shortcut.Key = static_cast<BYTE>(VK_F1 + f - 1);
        else return std::nullopt;
    }
    if (shortcut.Key == 0) return std::nullopt;
    return shortcut;
}

void Type(HWND wnd, const std::vector<TShortcut>& shortcuts) {
    SetForegroundWindow(wnd);
    Sleep(200);
    for (const TShortcut& shortcut : shortcuts) {
        for (BYTE modifier : shortcut.Modifiers) keybd_event(modifier, 0, 0, 0);
        keybd_event(shortcut.Key, 0, 0, 0);
        keybd_event(shortcut.Key, 0, KEYEVENTF_KEYUP, 0);
        for (auto it = shortcut.Modifiers.rbegin(); it != shortcut.Modifiers.rend(); ++it)
            keybd_event(*it, 0, KEYEVENTF_KEYUP, 0);
        Sleep(300);
    }
}

// The window's pixels as the screen shows them; the window floats above all others.
std::vector<uint32_t> CaptureScreenArea(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> pixels(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + width * height);
    for (uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;  // BGRA in memory is 0x00RRGGBB as a number
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}
}  // namespace

int Usage() {
    std::fprintf(stderr, "usage: windowshot <window class> <window title> <output.png> [--keys ctrl+e,ctrl+a] [--close]\n");
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 4) return Usage();
    bool close = false;
    std::vector<TShortcut> shortcuts;
    for (int i = 4; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--close") {
            close = true;
        } else if (option == "--keys" && i + 1 < argc) {
            std::stringstream list(argv[++i]);
            std::string item;
            while (std::getline(list, item, ',')) {
                const std::optional<TShortcut> shortcut = ParseShortcut(item);
                if (!shortcut) return Usage();
                shortcuts.push_back(*shortcut);
            }
        } else {
            return Usage();
        }
    }
    HWND wnd = WaitForWindow(Utf8ToWide(argv[1]), Utf8ToWide(argv[2]));
    if (!wnd) {
        std::fprintf(stderr, "windowshot: no visible window \"%s\" of class %s\n", argv[2], argv[1]);
        return 1;
    }
    Sleep(kSettleMilliseconds);
    if (!shortcuts.empty()) {
        Type(wnd, shortcuts);
        Sleep(kSettleMilliseconds);
    }
    RECT area;
    GetWindowRect(wnd, &area);
    try {
        WritePng(argv[3], area.right - area.left, area.bottom - area.top, CaptureScreenArea(area));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "windowshot: %s\n", error.what());
        return 1;
    }
    if (close) PostMessageW(wnd, WM_CLOSE, 0, 0);
    return 0;
}
