// windowshot <window class> <window title> <output.png> [--close]
// Waits until the window is on the screen, saves its picture as PNG and, with --close,
// asks it to close. Exit code 0 on success, 1 on failure, 2 on bad arguments.
#include <windows.h>

#include <cstdio>
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

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: windowshot <window class> <window title> <output.png> [--close]\n");
        return 2;
    }
    HWND wnd = WaitForWindow(Utf8ToWide(argv[1]), Utf8ToWide(argv[2]));
    if (!wnd) {
        std::fprintf(stderr, "windowshot: no visible window \"%s\" of class %s\n", argv[2], argv[1]);
        return 1;
    }
    Sleep(kSettleMilliseconds);
    RECT area;
    GetWindowRect(wnd, &area);
    try {
        WritePng(argv[3], area.right - area.left, area.bottom - area.top, CaptureScreenArea(area));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "windowshot: %s\n", error.what());
        return 1;
    }
    if (argc > 4 && std::string(argv[4]) == "--close") PostMessageW(wnd, WM_CLOSE, 0, 0);
    return 0;
}
