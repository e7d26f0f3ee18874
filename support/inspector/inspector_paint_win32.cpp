// How the rows look: names on the button face, values on the window colour, the active row's
// name highlighted, a box with + or - before expandable names, a thin line under each row.
#include <algorithm>

#include "inspector_peers_win32.h"
#include "support/win32/gdi_color.h"
#include "support/win32/gdi_objects.h"
#include "support/win32/wide_text.h"

namespace {
constexpr UINT kCellText = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

RECT ToRect(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

void DrawText(HDC dc, const std::string& text, RECT area, COLORREF color) {
    const std::wstring wide = Utf8ToWide(text);
    SetTextColor(dc, color);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, kCellText);
}

void DrawExpander(HDC dc, const RECT& box, bool expanded, COLORREF color) {
    const TSolidBrush window(GetSysColor(COLOR_WINDOW));
    const TSolidBrush frame(GetSysColor(COLOR_BTNSHADOW));
    FillRect(dc, &box, window.Get());
    FrameRect(dc, &box, frame.Get());
    const int middleY = (box.top + box.bottom) / 2, middleX = (box.left + box.right) / 2;
    const TSolidBrush sign(color);
    const RECT across{box.left + 2, middleY, box.right - 2, middleY + 1};
    FillRect(dc, &across, sign.Get());
    if (expanded) return;
    const RECT down{middleX, box.top + 2, middleX + 1, box.bottom - 2};
    FillRect(dc, &down, sign.Get());
}

void DrawButton(HDC dc, const RECT& button, bool dialog) {
    if (dialog) {
        DrawFrameControl(dc, const_cast<RECT*>(&button), DFC_BUTTON, DFCS_BUTTONPUSH);
        DrawText(dc, "...", {button.left, button.top, button.right, button.bottom - 2}, GetSysColor(COLOR_BTNTEXT));
        return;
    }
    DrawFrameControl(dc, const_cast<RECT*>(&button), DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
}

void DrawRow(TInspectorGrid& grid, HDC dc, int index, const TFont& gridFont) {
    TInspectorRow& row = *grid.Rows().Visible()[static_cast<size_t>(index)];
    TFont font;
    font.Assign(&gridFont);
    TColor background = clWindow;
    grid.OnGetCellParams(&grid, row.Editor.get(), &font, background);
    const TFontHandle handle(font);
    const TDcSelection selected(dc, handle.Get());

    const RECT rowRect = ToRect(grid.RowRect(index));
    const RECT valueRect = ToRect(grid.ValueRect(index));
    RECT nameRect{rowRect.left, rowRect.top, std::min(grid.FixedColWidth(), static_cast<int>(rowRect.right)), rowRect.bottom - 1};
    const bool active = &row == grid.ActiveRow();
    const TSolidBrush valueBrush(ColorRefOf(background));
    RECT valueFill{valueRect.left, valueRect.top, valueRect.right, valueRect.bottom - 1};
    FillRect(dc, &valueFill, valueBrush.Get());
    const TSolidBrush nameBrush(active ? GetSysColor(COLOR_HIGHLIGHT) : ColorRefOf(grid.GetColor()));
    FillRect(dc, &nameRect, nameBrush.Get());

    const COLORREF nameColor = active ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ColorRefOf(font.GetColor());
    if (row.Expandable) DrawExpander(dc, ToRect(grid.ExpanderRect(index)), row.Expanded, ColorRefOf(clWindowText));
    nameRect.left += row.Level * TInspectorGrid::kLevelIndent + 14;
    DrawText(dc, row.Caption, nameRect, nameColor);
    if (row.ValueShown) DrawText(dc, row.Value, {valueRect.left + 3, valueRect.top, valueRect.right - 2, valueRect.bottom}, ColorRefOf(font.GetColor()));
    if (active) {
        const TRect button = grid.ButtonRect();
        if (button.Right > button.Left) DrawButton(dc, ToRect(button), row.Has(TPropertyAttribute::paDialog));
    }
    const TSolidBrush line(GetSysColor(COLOR_BTNSHADOW));
    const RECT under{rowRect.left, rowRect.bottom - 1, rowRect.right, rowRect.bottom};
    FillRect(dc, &under, line.Get());
}
}  // namespace

void PaintInspectorRows(TInspectorGrid& grid, HDC dc, const RECT& area) {
    const TSolidBrush empty(ColorRefOf(grid.GetColor()));
    FillRect(dc, &area, empty.Get());
    SetBkMode(dc, TRANSPARENT);
    const int count = static_cast<int>(grid.Rows().Visible().size());
    const int last = std::min(count, grid.TopRow() + grid.PageRows() + 1);
    for (int index = grid.TopRow(); index < last; ++index) {
        const TRect rect = grid.RowRect(index);
        if (rect.Bottom <= area.top || rect.Top >= area.bottom) continue;
        DrawRow(grid, dc, index, *grid.GetFont());
    }
    const TSolidBrush line(GetSysColor(COLOR_BTNSHADOW));
    const int bottom = std::min(static_cast<int>(area.bottom), (last - grid.TopRow()) * grid.RowHeight());
    const RECT divider{grid.FixedColWidth(), 0, grid.FixedColWidth() + 1, bottom};
    FillRect(dc, &divider, line.Get());
}
