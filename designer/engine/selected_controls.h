// The controls a designer has selected, in the order they were selected: the first one is
// the reference that alignment and the default verbs use. Members are children of the
// design surface, or the surface alone.
#pragma once
#include <unordered_set>
#include <vector>

class TControl;
class TELDesigner;

class TELDesignerSelectedControls {
public:
    explicit TELDesignerSelectedControls(TELDesigner& designer) : designer_(designer) {}

    int GetCount() const { return static_cast<int>(items_.size()); }
    // Raises EListError for an index out of range.
    TControl* GetItems(int index) const;
    // Fills list with the selected controls, in selection order.
    void GetControls(std::vector<TControl*>& list) const { list = items_; }
    const std::vector<TControl*>& Controls() const { return items_; }
    // The first selected control; null when nothing is selected.
    TControl* GetDefaultControl() const { return items_.empty() ? nullptr : items_.front(); }
    bool Contains(const TControl* control) const;

    // The surface and its children exclude each other: adding one drops the other kind.
    // Controls the designer does not design are passed over.
    void Add(TControl* control);
    void Remove(TControl* control);
    void Clear();
    // Only control stays selected, selected when it was not; null clears.
    void ClearExcept(TControl* control);
    void Assign(const std::vector<TControl*>& controls);
    void SelectAll();

    // Arrangement of the selected children (the surface itself never moves); each is one
    // change of the design.
    void BringToFront();
    void SendToBack();
    void AlignToGrid();
    void Align(int horizontal, int vertical);

    // Changes between Begin and End report one selection change at the end.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

private:
    friend class TELDesigner;
    void Changed();
    // A control went away: it leaves without a report of its own.
    bool Forget(const TControl* control);

    TELDesigner& designer_;
    std::vector<TControl*> items_;
    std::unordered_set<const TControl*> members_;
    int updating_ = 0;
    bool changed_ = false;
};
