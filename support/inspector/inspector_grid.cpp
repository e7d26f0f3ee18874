#include "inspector_grid.h"

#include <algorithm>

#include "inspector_keys.h"
#include "inspector_list.h"

PENDREL_IMPLEMENT_CLASS(TInspectorEdit)

void TInspectorEdit::DeclareProperties(TClassBuilder<TInspectorEdit>&) {}

void TInspectorEdit::FocusChanged(bool focused) {
    if (!focused && OnLeave) OnLeave();
}

PENDREL_IMPLEMENT_CLASS(TInspectorGrid)

void TInspectorGrid::DeclareProperties(TClassBuilder<TInspectorGrid>&) {}

namespace {
constexpr int kMinColumn = 16;
constexpr int kMaxColumn = 4000;
constexpr int kMinRowHeight = 10;
constexpr int kMaxRowHeight = 100;
// How near the column border a press starts dragging it.
constexpr int kBorderGrip = 3;
}  // namespace

TInspectorGrid::TInspectorGrid(TComponent* owner)
    : TWinControl(owner), edit_(new TInspectorEdit(this)), list_(new TInspectorList(this)) {
    SetColor(clBtnFace);
    SetTabStop(true);
    edit_->SetBorderStyle(bsNone);
    edit_->SetVisible(false);
    edit_->SetParent(this);
    edit_->OnKey = [this](uint16_t& key, TShiftState shift) { EditKey(key, shift); };
    edit_->OnLeave = [this] {
        // Leaving for the value list or a message box of our own is no leaving of the row.
        if (!applying_ && !list_->GetVisible()) CommitEdit();
    };
    edit_->OnChange = [this](TObject*) { EditTextChanged(); };
    list_->SetParent(this);
    list_->OnPick = [this](const std::string& value) { ChooseValue(value); };
}

TInspectorGrid::~TInspectorGrid() {
    // The edit's last focus change must not commit into rows that are going.
    edit_->OnLeave = nullptr;
    rows_.Clear();
}

void TInspectorGrid::SetFixedColWidth(int width) {
    width = std::clamp(width, kMinColumn, kMaxColumn);
    if (width == fixedColWidth_) return;
    fixedColWidth_ = width;
    LayoutEdit();
    Invalidate();
}

void TInspectorGrid::SetRowHeight(int height) {
    height = std::clamp(height, kMinRowHeight, kMaxRowHeight);
    if (height == rowHeight_) return;
    rowHeight_ = height;
    list_->SetItemHeight(height);
    ScrollTo(topRow_);
    LayoutEdit();
    Invalidate();
}

void TInspectorGrid::RowsChanged(const std::string& activePath) {
    ++generation_;
    DropDown(false);
    active_ = activePath.empty() ? nullptr : rows_.Find(activePath);
    // A row the filter hides is not active.
    if (rows_.IndexOf(active_) < 0) active_ = rows_.Visible().empty() ? nullptr : rows_.Visible().front();
    ScrollTo(topRow_);
    ScrollIntoView();
    LoadEdit();
    Invalidate();
    if (OnActiveRowChange) OnActiveRowChange();
}

void TInspectorGrid::SetScrollBarWidth(int width) {
    if (width == scrollBarWidth_) return;
    scrollBarWidth_ = std::max(0, width);
    LayoutEdit();
    Invalidate();
}

int TInspectorGrid::PageRows() const { return std::max(1, GetHeight() / rowHeight_); }

void TInspectorGrid::ScrollTo(int topRow) {
    const int count = static_cast<int>(rows_.Visible().size());
    topRow = std::clamp(topRow, 0, std::max(0, count - PageRows()));
    if (topRow == topRow_) return;
    topRow_ = topRow;
    DropDown(false);
    LayoutEdit();
    Invalidate();
}

void TInspectorGrid::ScrollIntoView() {
    const int index = rows_.IndexOf(active_);
    if (index < 0) return;
    if (index < topRow_) ScrollTo(index);
    else if (index >= topRow_ + PageRows()) ScrollTo(index - PageRows() + 1);
}

void TInspectorGrid::SetActiveRow(TInspectorRow* row) {
    if (row == active_ || (row && rows_.IndexOf(row) < 0)) return;
    // A commit tells the designer, which may show other rows: the row is found again.
    const std::string path = row ? row->Path : std::string();
    CommitEdit();
    DropDown(false);
    active_ = path.empty() ? nullptr : rows_.Find(path);
    ScrollIntoView();
    LoadEdit();
    Invalidate();
    if (OnActiveRowChange) OnActiveRowChange();
}

void TInspectorGrid::MoveActive(int delta) {
    const auto& visible = rows_.Visible();
    if (visible.empty()) return;
    const int index = std::clamp(rows_.IndexOf(active_) + delta, 0, static_cast<int>(visible.size()) - 1);
    SetActiveRow(visible[static_cast<size_t>(index)]);
}

void TInspectorGrid::ToggleExpanded(TInspectorRow& row) {
    if (!row.Expandable) return;
    const std::string path = row.Path;
    CommitEdit();
    TInspectorRow* toggled = rows_.Find(path);
    if (!toggled) return;
    const std::string activePath = active_ ? active_->Path : std::string();
    rows_.SetExpanded(*toggled, !toggled->Expanded);
    // A collapse may take the active row away: the collapsed row takes its place.
    RowsChanged(rows_.Find(activePath) ? activePath : path);
}

TRect TInspectorGrid::RowRect(int visibleIndex) const {
    const int top = (visibleIndex - topRow_) * rowHeight_;
    return {0, top, RowsRight(), top + rowHeight_};
}

TRect TInspectorGrid::ValueRect(int visibleIndex) const {
    TRect rect = RowRect(visibleIndex);
    rect.Left = std::min(fixedColWidth_ + 1, rect.Right);
    return rect;
}

TRect TInspectorGrid::ExpanderRect(int visibleIndex) const {
    const TInspectorRow* row = rows_.Visible()[static_cast<size_t>(visibleIndex)];
    const TRect rect = RowRect(visibleIndex);
    const int left = row->Level * kLevelIndent + 2;
    const int size = std::min(9, rowHeight_ - 2);
    const int top = rect.Top + (rowHeight_ - size) / 2;
    return {left, top, left + size, top + size};
}

TRect TInspectorGrid::ButtonRect() const {
    const int index = rows_.IndexOf(active_);
    if (index < 0 || !(active_->Has(TPropertyAttribute::paValueList) || active_->Has(TPropertyAttribute::paDialog)))
        return {};
    const TRect value = ValueRect(index);
    return {std::max(value.Left, value.Right - rowHeight_), value.Top, value.Right, value.Bottom};
}

int TInspectorGrid::RowAt(int y) const {
    if (y < 0) return -1;
    const int index = topRow_ + y / rowHeight_;
    return index < static_cast<int>(rows_.Visible().size()) ? index : -1;
}

bool TInspectorGrid::RowEditable(const TInspectorRow& row) const {
    return !row.Has(TPropertyAttribute::paReadOnly);
}

void TInspectorGrid::LayoutEdit() {
    const int index = rows_.IndexOf(active_);
    const bool shown = index >= topRow_ && index < topRow_ + PageRows() && RowEditable(*active_);
    if (shown) {
        TRect value = ValueRect(index);
        const TRect button = ButtonRect();
        if (button.Right > button.Left) value.Right = button.Left;
        edit_->SetBounds(value.Left + 2, value.Top + 1, std::max(0, value.Right - value.Left - 2), rowHeight_ - 1);
    }
    const bool hadFocus = edit_->Focused();
    edit_->SetVisible(shown);
    // The keys follow the active row: into its edit, or to the rows when it has none.
    if (hadFocus && !shown) SetFocus();
    else if (shown && Focused()) edit_->SetFocus();
}

void TInspectorGrid::BoundsChanged() {
    TWinControl::BoundsChanged();
    ScrollTo(topRow_);
    LayoutEdit();
}

void TInspectorGrid::FocusChanged(bool focused) {
    if (focused && edit_->GetVisible()) edit_->SetFocus();
}

void TInspectorGrid::MouseDown(TMouseButton button, TShiftState shift, TPoint position) {
    TWinControl::MouseDown(button, shift, position);
    if (button != mbLeft) return;
    SetFocus();
    if (std::abs(position.X - fixedColWidth_) <= kBorderGrip) {
        draggingColumn_ = true;
        SetMouseCapture(true);
        return;
    }
    const int index = RowAt(position.Y);
    if (index < 0) return;
    TInspectorRow* row = rows_.Visible()[static_cast<size_t>(index)];
    const TRect expander = ExpanderRect(index);
    const bool onExpander = row->Expandable && position.X >= expander.Left - 2 && position.X < expander.Right + 2;
    if (onExpander) {
        // The second press of a double click on the box is no second toggle.
        if (!(shift & ssDouble)) ToggleExpanded(*row);
        return;
    }
    SetActiveRow(row);
    if (!active_) return;
    if (shift & ssDouble) {
        DoubleClicked(position.X <= fixedColWidth_);
        return;
    }
    const TRect buttonRect = ButtonRect();
    const bool onButton = position.X >= buttonRect.Left && position.X < buttonRect.Right &&
                          position.Y >= buttonRect.Top && position.Y < buttonRect.Bottom;
    if (onButton) {
        if (active_->Has(TPropertyAttribute::paDialog)) RunDialog();
        else DropDown(!DroppedDown());
    } else if (edit_->GetVisible() && position.X > fixedColWidth_) {
        edit_->SetFocus();
    }
}

void TInspectorGrid::MouseMove(TShiftState shift, TPoint position) {
    TWinControl::MouseMove(shift, position);
    if (draggingColumn_) SetFixedColWidth(std::min(position.X, RowsRight() - kMinColumn));
}

void TInspectorGrid::MouseUp(TMouseButton button, TShiftState shift, TPoint position) {
    TWinControl::MouseUp(button, shift, position);
    if (!draggingColumn_) return;
    draggingColumn_ = false;
    SetMouseCapture(false);
}

// A double click on a name opens or closes its row; on a value it takes the next value of
// the list, or opens the dialog.
void TInspectorGrid::DoubleClicked(bool onName) {
    if (onName && active_->Expandable) ToggleExpanded(*active_);
    else if (active_->Has(TPropertyAttribute::paDialog)) RunDialog();
    else if (active_->Has(TPropertyAttribute::paValueList)) NextListValue();
}

bool TInspectorGrid::MouseWheel(TShiftState, int delta, TPoint) {
    ScrollTo(topRow_ - delta / 40);
    return true;
}

bool TInspectorGrid::NavigationKey(uint16_t key, TShiftState shift) {
    const bool alt = shift & ssAlt;
    switch (key) {
        case kKeyUp: MoveActive(-1); return true;
        case kKeyDown: MoveActive(1); return true;
        case kKeyPageUp: MoveActive(-PageRows()); return true;
        case kKeyPageDown: MoveActive(PageRows()); return true;
        case kKeyRight:
        case kKeyLeft:
            if (!alt || !active_) return false;
            if (active_->Expandable && active_->Expanded != (key == kKeyRight)) ToggleExpanded(*active_);
            return true;
        default: return false;
    }
}

void TInspectorGrid::KeyDown(uint16_t& key, TShiftState shift) {
    if (NavigationKey(key, shift)) {
        key = 0;
        return;
    }
    if (!active_) return;
    if (key == kKeyHome || key == kKeyEnd) {
        MoveActive(key == kKeyHome ? -static_cast<int>(rows_.Visible().size()) : static_cast<int>(rows_.Visible().size()));
        key = 0;
    } else if (key == kKeyReturn) {
        if (active_->Has(TPropertyAttribute::paDialog)) RunDialog();
        else ToggleExpanded(*active_);
        key = 0;
    }
}

void TInspectorGrid::EditKey(uint16_t& key, TShiftState shift) {
    const bool alt = shift & ssAlt;
    if (DroppedDown()) {
        if (key == kKeyEscape || (alt && key == kKeyUp) || key == kKeyF4) DropDown(false);
        else if (!list_->KeyDown(key)) return;
        key = 0;
        return;
    }
    if (key == kKeyReturn) {
        if ((shift & ssCtrl) && active_ && active_->Has(TPropertyAttribute::paDialog)) RunDialog();
        else CommitEdit();
    } else if (key == kKeyEscape) {
        RevertEdit();
    } else if (key == kKeyF4 || (alt && key == kKeyDown)) {
        DropDown(true);
    } else if (!alt && (key == kKeyUp || key == kKeyDown || key == kKeyPageUp || key == kKeyPageDown)) {
        NavigationKey(key, shift);
    } else if (alt && (key == kKeyLeft || key == kKeyRight)) {
        NavigationKey(key, shift);
    } else {
        return;
    }
    key = 0;
}
