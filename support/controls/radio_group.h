// A framed group of radio buttons, one per line of Items, at most one of them chosen. The
// buttons are the group's own making: streams keep only Items and ItemIndex.
#pragma once
#include <memory>

#include "support/framework/strings.h"
#include "support/framework/win_control.h"

class TRadioGroup;

// One button of a radio group, with a window of its own.
class TRadioButton : public TWinControl {
    PENDREL_CLASS(TRadioButton, TWinControl)
public:
    TRadioButton(TRadioGroup& group, int index);
    int Index() const { return index_; }
    bool GetChecked() const;
    // The window reports that the user chose this button.
    void ChosenInWindow();

private:
    TRadioGroup& group_;
    int index_;
};

class TRadioGroup : public TWinControl {
    PENDREL_CLASS(TRadioGroup, TWinControl)
public:
    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;

    TStrings* GetItems() const { return items_.get(); }
    void SetItems(TStrings* value) { items_->Assign(value); }
    // The chosen item, -1 for none; a value outside the items is ignored.
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    TRadioButton* Button(int index) const;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

    TEvent<TObject*> OnClick;

protected:
    void BoundsChanged() override;

private:
    // One button per item, placed one under the other inside the frame.
    void RebuildButtons();
    void PlaceButtons();

    std::unique_ptr<TStrings> items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
};
