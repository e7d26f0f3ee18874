// The tab set: a strip of tabs along the bottom edge of a window, as a sheet's bottom tabs.
// A tab is chosen by a click or by TabIndex; OnChange may refuse either.
#pragma once
#include <memory>
#include <string>

#include "support/framework/strings.h"
#include "support/framework/win_control.h"

// What the window of a tab set measures; its peer implements it.
class ITabSetWindow {
public:
    virtual ~ITabSetWindow() = default;
    virtual int TextWidth(const std::string& text) const = 0;
};

class TTabSet : public TWinControl {
    PENDREL_CLASS(TTabSet, TWinControl)
public:
    explicit TTabSet(TComponent* owner);
    ~TTabSet() override;

    TStrings* GetTabs() const { return tabs_.get(); }
    void SetTabs(TStrings* value) { tabs_->Assign(value); }
    // The chosen tab, -1 for none. A new index outside the tabs is ignored; OnChange hears
    // every other one first and may keep the current tab.
    int GetTabIndex() const { return tabIndex_; }
    void SetTabIndex(int value);

    // Where the first tab begins, in pixels from the left edge.
    int GetStartMargin() const { return startMargin_; }
    void SetStartMargin(int value);
    TColor GetSelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TColor value);
    TColor GetUnselectedColor() const { return unselectedColor_; }
    void SetUnselectedColor(TColor value);

    // The tab's bounds in client coordinates; empty outside the tabs.
    TRect TabRect(int index) const;
    // The tab at a client position, -1 over none.
    int ItemAtPos(TPoint position) const;

    void MouseDown(TMouseButton button, TShiftState shift, TPoint position) override;
    void Click() override { OnClick(this); }

    TEvent<TObject*, int, bool&> OnChange;  // new tab, allow change
    TEvent<TObject*> OnClick;

private:
    int TabWidth(int index) const;

    std::unique_ptr<TStrings> tabs_;
    int tabIndex_ = -1;
    int startMargin_ = 5;
    TColor selectedColor_ = clBtnFace;
    TColor unselectedColor_ = clWindow;
};
