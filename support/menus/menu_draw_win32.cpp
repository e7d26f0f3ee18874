#include "support/menus/menu_draw_win32.h"

#include <cstring>
#include <map>

#include "support/menus/menu_item_layout.h"
#include "support/menus/menu_item_text.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"

namespace {
class TMenuFont {
public:
    TMenuFont() {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            font_ = CreateFontIndirectW(&metrics.lfMenuFont);
    }
    ~TMenuFont() {
        if (font_) DeleteObject(font_);
    }
    TMenuFont(const TMenuFont&) = delete;
    TMenuFont& operator=(const TMenuFont&) = delete;
    HFONT Get() const { return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

private:
    HFONT font_ = nullptr;
};

TTextExtent TextExtent(HDC dc, const std::string& text) {
    const std::wstring wide = Utf8ToWide(text);
    RECT bounds{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_CALCRECT | DT_SINGLELINE);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

RECT RectOf(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

void DrawText(HDC dc, const std::string& text, const TRect& area, UINT align) {
    if (text.empty()) return;
    const std::wstring wide = Utf8ToWide(text);
    RECT rect = RectOf(area);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, align | DT_VCENTER | DT_SINGLELINE);
}

void DrawSeparator(HDC dc, const RECT& item) {
    RECT line = item;
    line.top = (item.top + item.bottom) / 2 - 1;
    line.bottom = line.top + 2;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

void DrawCheckMark(HDC dc, const TRect& gutter, bool radio) {
    const int side = kMenuCheckSide;
    const int left = gutter.Left + (gutter.Right - gutter.Left - side) / 2;
    const int top = gutter.Top + (gutter.Bottom - gutter.Top - side) / 2;
    RECT mark{left, top, left + side, top + side};
    DrawFrameControl(dc, &mark, DFC_MENU, radio ? DFCS_MENUBULLET : DFCS_MENUCHECK);
}

uint32_t Premultiplied(uint32_t argb, bool dimmed) {
    uint32_t alpha = argb >> 24;
    uint32_t r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    if (dimmed) {
        r = g = b = (r * 30 + g * 59 + b * 11) / 100;
        alpha /= 2;
    }
    r = r * alpha / 255;
    g = g * alpha / 255;
    b = b * alpha / 255;
    return alpha << 24 | r << 16 | g << 8 | b;
}

std::map<const TMenu*, TMenuItemPainter*>& Painters() {
    static std::map<const TMenu*, TMenuItemPainter*> painters;
    return painters;
}
}  // namespace

void SetMenuItemPainter(const TMenu& menu, TMenuItemPainter* painter) {
    if (painter)
        Painters()[&menu] = painter;
    else
        Painters().erase(&menu);
}

TMenuItemPainter* MenuItemPainter(const TMenu& menu) {
    const auto it = Painters().find(&menu);
    return it == Painters().end() ? nullptr : it->second;
}

HFONT MenuFont() {
    static const TMenuFont font;
    return font.Get();
}

void MeasureOwnerDrawnItem(const TMenu& menu, const TMenuItem& item, MEASUREITEMSTRUCT& measure) {
    if (TMenuItemPainter* painter = MenuItemPainter(menu)) return painter->Measure(menu, item, measure);
    const TScreenDc screen;
    const TDcSelection font(screen.Get(), MenuFont());
    const TTextExtent size = MeasureMenuItem(item, menu.ItemImage(item),
                                             [&screen](const std::string& text) { return TextExtent(screen.Get(), text); });
    measure.itemWidth = static_cast<UINT>(size.Width);
    measure.itemHeight = static_cast<UINT>(size.Height);
}

void DrawOwnerDrawnItem(const TMenu& menu, const TMenuItem& item, const DRAWITEMSTRUCT& draw) {
    if (TMenuItemPainter* painter = MenuItemPainter(menu)) return painter->Draw(menu, item, draw);
    const HDC dc = draw.hDC;
    const TSavedDcState saved(dc);
    const bool disabled = draw.itemState & (ODS_GRAYED | ODS_DISABLED);
    const bool selected = (draw.itemState & ODS_SELECTED) && !disabled;
    FillRect(dc, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item.IsLine()) return DrawSeparator(dc, draw.rcItem);

    const TBitmapImage* image = menu.ItemImage(item);
    const TRect bounds{draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom};
    const TMenuItemLayout layout = LayOutMenuItem(bounds, image);
    if (image) {
        DrawBitmapImage(dc, *image, layout.Image.Left, layout.Image.Top, disabled);
        if (item.GetChecked()) {
            RECT frame = RectOf(layout.Image);
            InflateRect(&frame, 2, 2);
            DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
        }
    } else if (item.GetChecked()) {
        DrawCheckMark(dc, layout.Gutter, item.GetRadioItem());
    }

    SelectObject(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    const std::string text = MenuItemText(item);
    DrawText(dc, MenuTextCaption(text), layout.Caption, DT_LEFT);
    DrawText(dc, MenuTextShortCut(text), layout.ShortCut, DT_RIGHT | DT_NOPREFIX);
}

void DrawBitmapImage(HDC dc, const TBitmapImage& image, int x, int y, bool dimmed) {
    if (image.Empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.Width();
    info.bmiHeader.biHeight = -image.Height();  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return;
    auto* pixels = static_cast<uint32_t*>(bits);
    for (size_t i = 0; i < image.Pixels().size(); ++i) pixels[i] = Premultiplied(image.Pixels()[i], dimmed);
    const HDC source = CreateCompatibleDC(dc);
    {
        const TDcSelection selection(source, bitmap);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, x, y, image.Width(), image.Height(), source, 0, 0, image.Width(), image.Height(), blend);
    }
    DeleteDC(source);
    DeleteObject(bitmap);
}
