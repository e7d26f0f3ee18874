#include "support/shell/keyboard_icon.h"

#include <cassert>

namespace {
constexpr COLORREF kBody = RGB(64, 64, 72);
constexpr COLORREF kKey = RGB(240, 240, 240);

// Memory DC with a bitmap selected, released in reverse order.
class TBitmapCanvas {
public:
    explicit TBitmapCanvas(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_, bitmap)) {}
    ~TBitmapCanvas() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    TBitmapCanvas(const TBitmapCanvas&) = delete;
    TBitmapCanvas& operator=(const TBitmapCanvas&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

void Fill(HDC dc, const RECT& area, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

// The keyboard's outline: full width, the middle half of the height.
RECT BodyOf(int size) { return {0, size / 4, size, size - size / 4}; }

// Three rows of keys and a space bar, on a grid of size/8 cells inside the body.
void DrawKeys(HDC dc, int size) {
    const RECT body = BodyOf(size);
    const int cell = size / 8;
    const int gap = size >= 16 ? size / 16 : 1;
    const int keySize = cell - gap;
    for (int row = 0; row < 3; ++row) {
        const int top = body.top + gap + row * cell;
        const bool spaceRow = row == 2;
        for (int column = 0; column < 8 && !spaceRow; ++column) {
            const int left = gap / 2 + column * cell;
            Fill(dc, {left, top, left + keySize, top + keySize}, kKey);
        }
        if (spaceRow) Fill(dc, {2 * cell + gap / 2, top, 6 * cell - gap / 2, top + keySize}, kKey);
    }
}

HBITMAP MakeColorBitmap(int size) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    ReleaseDC(nullptr, screen);
    TBitmapCanvas canvas(bitmap);
    Fill(canvas.Get(), {0, 0, size, size}, RGB(0, 0, 0));
    Fill(canvas.Get(), BodyOf(size), kBody);
    DrawKeys(canvas.Get(), size);
    return bitmap;
}

// White is transparent, black shows the colour bitmap.
HBITMAP MakeMaskBitmap(int size) {
    HBITMAP bitmap = CreateBitmap(size, size, 1, 1, nullptr);
    TBitmapCanvas canvas(bitmap);
    Fill(canvas.Get(), {0, 0, size, size}, RGB(255, 255, 255));
    Fill(canvas.Get(), BodyOf(size), RGB(0, 0, 0));
    return bitmap;
}
}  // namespace

HICON MakeKeyboardIcon(int size) {
    assert(size >= 8 && size <= 256);
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = MakeColorBitmap(size);
    info.hbmMask = MakeMaskBitmap(size);
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return icon;
}
