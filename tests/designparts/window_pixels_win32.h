// Pixels of what a window paints, through WM_PRINTCLIENT into a bitmap of our own.
#pragma once
#include <windows.h>

class TWindowPixels {
public:
    TWindowPixels(HWND wnd, int width, int height) {
        const HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        if (wnd) SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    ~TWindowPixels() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TWindowPixels(const TWindowPixels&) = delete;
    TWindowPixels& operator=(const TWindowPixels&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};
