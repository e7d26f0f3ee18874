// A drop-down list whose entries each carry an object: the designer's list of a layout's
// controls. Entries are texts in Items; an entry added with AddItem carries its object, and
// an entry whose component is destroyed no longer carries it.
#pragma once
#include <vector>

#include "support/framework/strings.h"
#include "support/framework/win_control.h"

class HLogComboBox : public TWinControl {
    PENDREL_CLASS(HLogComboBox, TWinControl)
public:
    explicit HLogComboBox(TComponent* owner);

    // The entries' texts, as streams keep them; entries added here carry no object.
    TStrings* GetItems() const { return items_.get(); }
    void SetItems(TStrings* value);
    int Count() const { return items_->Count(); }
    // Adds an entry (in sorted place when Sorted) and returns its index.
    int AddItem(const std::string& text, TObject* object);
    // Raise EListError for an index out of range.
    TObject* Objects(int index) const;
    void SetObject(int index, TObject* object);
    const std::string& ItemText(int index) const;
    void Delete(int index);
    void Clear();
    // The first entry carrying object; -1 when none does.
    int IndexOfObject(const TObject* object) const;
    int IndexOf(const std::string& text) const { return items_->IndexOf(text); }

    // -1 for no choice; raises EListError for an index out of range.
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    // The chosen entry's object; null without a choice.
    TObject* SelectedObject() const;
    int GetDropDownCount() const { return dropDownCount_; }
    // Rows the open list shows; at least 1.
    void SetDropDownCount(int value);
    bool GetSorted() const { return sorted_; }
    // Sorting keeps each entry's object and the chosen entry.
    void SetSorted(bool value);

    // The user chose an entry in the window; OnChange runs when the choice changed.
    void SelectedInWindow(int index);
    // The entries or the choice changed since the window last showed them.
    int ListVersion() const { return listVersion_; }

    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

    TEvent<TObject*> OnChange;
    TEvent<TObject*> OnDropDown;

private:
    // Keeps one object slot per entry, however Items was changed.
    void SyncObjects() const;
    void Track(TObject* object);
    void Untrack(TObject* object);
    void SortEntries();
    void ListChanged();

    std::unique_ptr<TStrings> items_;
    mutable std::vector<TObject*> objects_;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
    bool sorted_ = false;
    int listVersion_ = 0;
};
