#include <windows.h>

#include <map>
#include <memory>

#include "support/menus/menu_draw_win32.h"
#include "support/menus/menu_item_text.h"
#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"
#include "xp_menu.h"

namespace {
constexpr int kTextGap = 8;
constexpr int kArrowRoom = 16;
constexpr int kCheckSide = 16;

void Fill(HDC dc, const RECT& rect, TColor color) {
    const TSolidBrush brush(ColorRefOf(color));
    FillRect(dc, &rect, brush.Get());
}

void Frame(HDC dc, const RECT& rect, TColor color) {
    const TSolidBrush brush(ColorRefOf(color));
    FrameRect(dc, &rect, brush.Get());
}

void DrawCheck(HDC dc, const RECT& box, bool radio, COLORREF color) {
    const HPEN pen = CreatePen(PS_SOLID, 1, color);
    const TSolidBrush brush(color);
    {
        const TSavedDcState saved(dc);
        SelectObject(dc, pen);
        SelectObject(dc, brush.Get());
        const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
        if (radio) {
            Ellipse(dc, cx - 3, cy - 3, cx + 3, cy + 3);
        } else {
            // Three strokes side by side make the tick bold enough to read.
            for (int shift = 0; shift < 3; ++shift) {
                MoveToEx(dc, cx - 4, cy - 1 + shift, nullptr);
                LineTo(dc, cx - 2, cy + 1 + shift);
                LineTo(dc, cx + 3, cy - 4 + shift);
            }
        }
    }
    DeleteObject(pen);
}

class TXPMenuPainter : public TMenuItemPainter {
public:
    explicit TXPMenuPainter(const TXPMenu& look) : look_(look) {}

    void Measure(const TMenu& menu, const TMenuItem& item, MEASUREITEMSTRUCT& measure) override {
        const TScreenDc screen;
        const TFontHandle font(*look_.GetFont());
        const TDcSelection selection(screen.Get(), font.Get());
        const TTextExtent size = look_.MeasureItem(item, menu.ItemImage(item), [&screen](const std::string& text) {
            const std::wstring wide = Utf8ToWide(text);
            RECT bounds{0, 0, 0, 0};
            DrawTextW(screen.Get(), wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_CALCRECT | DT_SINGLELINE);
            return TTextExtent{bounds.right - bounds.left, bounds.bottom - bounds.top};
        });
        measure.itemWidth = static_cast<UINT>(size.Width);
        measure.itemHeight = static_cast<UINT>(size.Height);
    }

    void Draw(const TMenu& menu, const TMenuItem& item, const DRAWITEMSTRUCT& draw) override {
        const HDC dc = draw.hDC;
        const TSavedDcState saved(dc);
        const RECT& bounds = draw.rcItem;
        const bool disabled = draw.itemState & (ODS_GRAYED | ODS_DISABLED);
        const bool selected = (draw.itemState & ODS_SELECTED) && !disabled;
        RECT gutter{bounds.left, bounds.top, bounds.left + look_.GetIconWidth(), bounds.bottom};
        RECT body{gutter.right, bounds.top, bounds.right, bounds.bottom};
        Fill(dc, gutter, look_.GetIconBackColor());
        Fill(dc, body, look_.GetColor());
        if (item.IsLine()) return DrawSeparator(dc, body);
        if (selected) {
            Fill(dc, bounds, look_.GetSelectColor());
            Frame(dc, bounds, look_.GetSelectBorderColor());
        }
        DrawGutter(dc, menu, item, gutter, disabled, selected);
        DrawTexts(dc, item, body, disabled, selected);
    }

private:
    static void DrawSeparator(HDC dc, const RECT& body) {
        RECT line{body.left + kTextGap, (body.top + body.bottom) / 2, body.right, (body.top + body.bottom) / 2 + 1};
        Fill(dc, line, clSilver);
    }

    void DrawGutter(HDC dc, const TMenu& menu, const TMenuItem& item, const RECT& gutter, bool disabled, bool selected) {
        const TBitmapImage* image = menu.ItemImage(item);
        // The box leaves a margin of its colour around the picture.
        const int side = image ? std::max(image->Width(), image->Height()) + 4 : kCheckSide + 2;
        const int left = gutter.left + (gutter.right - gutter.left - side) / 2;
        const int top = gutter.top + (gutter.bottom - gutter.top - side) / 2;
        RECT box{left, top, left + side, top + side};
        if (item.GetChecked()) {
            Fill(dc, box, selected ? look_.GetSelectColor() : look_.GetCheckedColor());
            Frame(dc, box, look_.GetSelectBorderColor());
        }
        if (image) {
            const int x = gutter.left + (gutter.right - gutter.left - image->Width()) / 2;
            const int y = gutter.top + (gutter.bottom - gutter.top - image->Height()) / 2;
            DrawBitmapImage(dc, *image, x, y, disabled);
        } else if (item.GetChecked()) {
            DrawCheck(dc, box, item.GetRadioItem(), ColorRefOf(disabled ? look_.GetDisabledColor() : look_.GetFont()->GetColor()));
        }
    }

    void DrawTexts(HDC dc, const TMenuItem& item, const RECT& body, bool disabled, bool selected) {
        const TFontHandle font(*look_.GetFont());
        SelectObject(dc, font.Get());
        SetBkMode(dc, TRANSPARENT);
        const TColor color = disabled ? look_.GetDisabledColor() : selected ? look_.GetSelectFontColor() : look_.GetFont()->GetColor();
        SetTextColor(dc, ColorRefOf(color));
        const std::string text = MenuItemText(item);
        RECT area{body.left + kTextGap, body.top, body.right - kArrowRoom, body.bottom};
        DrawPart(dc, MenuTextCaption(text), area, DT_LEFT);
        DrawPart(dc, MenuTextShortCut(text), area, DT_RIGHT | DT_NOPREFIX);
    }

    static void DrawPart(HDC dc, const std::string& text, RECT area, UINT align) {
        if (text.empty()) return;
        const std::wstring wide = Utf8ToWide(text);
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, align | DT_VCENTER | DT_SINGLELINE);
    }

    const TXPMenu& look_;
};

struct TPaintedMenu {
    std::unique_ptr<TXPMenuPainter> Painter;
    bool OwnerDrawBefore = false;
};

std::map<const TMenu*, TPaintedMenu>& PaintedMenus() {
    static std::map<const TMenu*, TPaintedMenu> menus;
    return menus;
}

// Owner drawing switched off and on again: the system asks for every item's size anew.
void Remeasure(TMenu& menu, bool ownerDraw) {
    menu.SetOwnerDraw(!ownerDraw);
    menu.SetOwnerDraw(ownerDraw);
}
}  // namespace

void AttachXPMenuPainter(TXPMenu& painter, TMenu& menu) {
    const auto known = PaintedMenus().find(&menu);
    const bool ownerDrawBefore = known != PaintedMenus().end() ? known->second.OwnerDrawBefore : menu.GetOwnerDraw();
    TPaintedMenu& entry = PaintedMenus()[&menu];
    entry.Painter = std::make_unique<TXPMenuPainter>(painter);
    entry.OwnerDrawBefore = ownerDrawBefore;
    SetMenuItemPainter(menu, entry.Painter.get());
    Remeasure(menu, true);
}

void DetachXPMenuPainter(TMenu& menu) {
    SetMenuItemPainter(menu, nullptr);
    const auto it = PaintedMenus().find(&menu);
    if (it == PaintedMenus().end()) return;
    const bool ownerDrawBefore = it->second.OwnerDrawBefore;
    PaintedMenus().erase(it);
    // A menu being destroyed is past the point where it can be changed.
    if (!(menu.ComponentState() & csDestroying)) Remeasure(menu, ownerDrawBefore);
}
