// The drop-down list of a row's values: at most a few rows high, scrolled with the keys, the
// wheel or the mouse; a click or Enter picks the value under the highlight.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "support/framework/win_control.h"

class TInspectorList : public TWinControl {
    PENDREL_CLASS(TInspectorList, TWinControl)
public:
    static constexpr int kMaxShownItems = 8;

    explicit TInspectorList(TComponent* owner);

    // The items, with the one equal to current (any letter case) highlighted.
    void SetItems(std::vector<std::string> items, const std::string& current);
    const std::vector<std::string>& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int TopItem() const { return topItem_; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height) { itemHeight_ = height; }
    int ShownItems() const;

    // Up, Down, PgUp, PgDn, Home, End move the highlight; Enter picks; true when used.
    bool KeyDown(uint16_t key);
    void MouseDown(TMouseButton button, TShiftState shift, TPoint position) override;
    void MouseMove(TShiftState shift, TPoint position) override;
    void MouseUp(TMouseButton button, TShiftState shift, TPoint position) override;
    bool MouseWheel(TShiftState shift, int delta, TPoint position) override;

    // The user picked an item.
    std::function<void(const std::string& value)> OnPick;

private:
    int ItemAt(TPoint position) const;
    void Pick();

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int topItem_ = 0;
    int itemHeight_ = 16;
};
