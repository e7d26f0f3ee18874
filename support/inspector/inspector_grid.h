// The rows of the object inspector on the screen: names in the fixed column, values beside
// them, the active row with its in-place edit and its drop-down or "..." button. Enter or
// leaving the row commits what was typed, Esc reverts it; a value the editor refuses is
// reported and the old value stays.
#pragma once
#include <algorithm>
#include <functional>
#include <string>

#include "inspector_designer.h"
#include "inspector_rows.h"
#include "support/framework/std_controls.h"

class TInspectorList;

// The in-place edit: the grid hears its keys first and when it loses the focus.
class TInspectorEdit : public TEdit {
    PENDREL_CLASS(TInspectorEdit, TEdit)
public:
    using TEdit::TEdit;
    // A key went down in the window; the handler sets key to 0 when it used it.
    std::function<void(uint16_t& key, TShiftState shift)> OnKey;
    void FocusChanged(bool focused) override;
    std::function<void()> OnLeave;
};

// Paints a row: the designer may change its font and background.
using TInspectorCellParams = TEvent<TObject*, TPropertyEditor*, TFont*, TColor&>;

class TInspectorGrid : public TWinControl {
    PENDREL_CLASS(TInspectorGrid, TWinControl)
public:
    static constexpr int kLevelIndent = 12;

    explicit TInspectorGrid(TComponent* owner);
    ~TInspectorGrid() override;

    TInspectorRows& Rows() { return rows_; }
    TInspectorEdit& InPlaceEdit() const { return *edit_; }
    TInspectorList& ValueList() const { return *list_; }
    TInspectorDesigner& Designer() { return designer_; }
    // Shows the rows again after they were rebuilt; the row of that path stays active.
    void RowsChanged(const std::string& activePath);
    // Ends the edit without applying it (its objects are going away).
    void DropEdit();
    // Runs rebuild now, or once the change being applied is done, so that no editor goes
    // while it works.
    void RequestRebuild(const std::function<void()>& rebuild);

    int FixedColWidth() const { return fixedColWidth_; }
    void SetFixedColWidth(int width);
    int RowHeight() const { return rowHeight_; }
    void SetRowHeight(int height);

    // The active row; null when none.
    TInspectorRow* ActiveRow() const { return active_; }
    void SetActiveRow(TInspectorRow* row);
    int TopRow() const { return topRow_; }
    void ScrollTo(int topRow);
    int PageRows() const;

    // Commits what was typed into the active row; false when the editor refused it.
    bool CommitEdit();
    void RevertEdit();
    // The value list of the active row: opened below (or above) it, or closed.
    void DropDown(bool open);
    bool DroppedDown() const;
    // Runs the active row's dialog.
    void RunDialog();
    // Applies a value chosen from the list.
    void ChooseValue(const std::string& value);
    // Re-reads every value; what the user typed into the edit stays.
    void UpdateValues();

    // Geometry, in client coordinates.
    TRect RowRect(int visibleIndex) const;
    TRect ValueRect(int visibleIndex) const;
    // The drop-down or "..." button of the active row; empty when it has none.
    TRect ButtonRect() const;
    TRect ExpanderRect(int visibleIndex) const;
    int RowAt(int y) const;

    // The width the window's scroll bar takes at the right.
    void SetScrollBarWidth(int width);
    int RowsRight() const { return std::max(0, GetWidth() - scrollBarWidth_); }

    // Reported errors go to the error reporter; the last one is kept.
    const std::string& LastError() const { return lastError_; }

    TInspectorCellParams OnGetCellParams;
    // The active row changed.
    std::function<void()> OnActiveRowChange;

    void MouseDown(TMouseButton button, TShiftState shift, TPoint position) override;
    void MouseMove(TShiftState shift, TPoint position) override;
    void MouseUp(TMouseButton button, TShiftState shift, TPoint position) override;
    bool MouseWheel(TShiftState shift, int delta, TPoint position) override;
    // Keys of the grid window itself (a row without an edit) and of the in-place edit.
    void KeyDown(uint16_t& key, TShiftState shift);
    void FocusChanged(bool focused) override;

protected:
    void BoundsChanged() override;

private:
    bool RowEditable(const TInspectorRow& row) const;
    // Moves the active row by delta visible rows, committing first.
    void MoveActive(int delta);
    void ToggleExpanded(TInspectorRow& row);
    void DoubleClicked(bool onName);
    void ScrollIntoView();
    // The edit over the active row's value, or hidden.
    void LayoutEdit();
    void LoadEdit();
    void EditTextChanged();
    void EditKey(uint16_t& key, TShiftState shift);
    bool NavigationKey(uint16_t key, TShiftState shift);
    // Runs one of the user's changes to the active row through its editor: a refused value
    // is reported and reverted, a change is reported to the designer once.
    bool Apply(const std::function<void()>& change, bool changesValue);
    void ReportError(const std::string& message);
    void NextListValue();
    std::vector<std::string> ListValues() const;

    TInspectorRows rows_;
    TInspectorDesigner designer_;
    TInspectorRow* active_ = nullptr;
    int topRow_ = 0;
    int fixedColWidth_ = 110;
    int rowHeight_ = 16;
    int scrollBarWidth_ = 0;
    TInspectorEdit* edit_;
    TInspectorList* list_;
    // The edit's text as it was loaded, and whether the user changed it since.
    std::string loadedText_;
    bool loadedShown_ = true;
    bool typed_ = false;
    // A value that follows the typing was set from the edit since it was loaded.
    bool followedTyping_ = false;
    bool applying_ = false;
    std::function<void()> pendingRebuild_;
    // Counts the times the rows were rebuilt, so that a change knows when its row went.
    unsigned generation_ = 0;
    bool loadingEdit_ = false;
    bool draggingColumn_ = false;
    std::string lastError_;
};

// Shows an error of the inspector to the user (a message box over the grid's window).
using TInspectorErrorReporter = std::function<void(TInspectorGrid& grid, const std::string& message)>;
void SetInspectorErrorReporter(TInspectorErrorReporter reporter);
