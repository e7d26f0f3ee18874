// What a window shows, copied into memory so that tests can read its pixels.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

// A colour no painter uses, so that pixels nobody painted stand out.
constexpr COLORREF kUnpainted = RGB(17, 250, 130);

class TRendering {
public:
    // The window's client area as its WM_PRINTCLIENT handler draws it.
    static TRendering Printed(HWND wnd) {
        TRendering rendering(wnd);
        SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(rendering.dc_), PRF_CLIENT);
        GdiFlush();
        return rendering;
    }
    // The window's client area as it is on the screen now.
    static TRendering OnScreen(HWND wnd) {
        TRendering rendering(wnd);
        HDC windowDc = GetDC(wnd);
        BitBlt(rendering.dc_, 0, 0, rendering.width_, rendering.height_, windowDc, 0, 0, SRCCOPY);
        ReleaseDC(wnd, windowDc);
        GdiFlush();
        return rendering;
    }

    TRendering(TRendering&& other) noexcept
        : width_(other.width_), height_(other.height_), dc_(other.dc_), bitmap_(other.bitmap_), previous_(other.previous_),
          bits_(other.bits_) {
        other.dc_ = nullptr;
        other.bitmap_ = nullptr;
    }
    ~TRendering() {
        if (!dc_) return;
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    COLORREF Pixel(int x, int y) const {
        const uint32_t value = bits_[y * width_ + x];
        return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }
    // Pixels inside area (or outside it) that satisfy the test.
    int Count(const RECT& area, const std::function<bool(COLORREF)>& test, bool inside = true) const {
        int count = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const POINT p{x, y};
                if (PtInRect(&area, p) == inside && test(Pixel(x, y))) ++count;
            }
        return count;
    }

private:
    explicit TRendering(HWND wnd) {
        RECT client;
        GetClientRect(wnd, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width_, height_};
        HBRUSH marker = CreateSolidBrush(kUnpainted);
        FillRect(dc_, &all, marker);
        DeleteObject(marker);
    }

    int width_ = 0, height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const uint32_t* bits_ = nullptr;
};

inline bool IsDark(COLORREF c) { return GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96; }
