// The button palette tab: a tab control whose display area holds one row of same-sized image
// buttons, at most one of them down, scrolled sideways by two arrows when the row does not fit.
// The tabs are optional pages: the control keeps their captions and a selected page only.
//
// The child controls are all buttons, in a fixed order: the select button (no palette button
// chosen), the left and the right arrow, then palette buttons 0, 1, 2 ... Each button's Tag
// is its child index at creation.
#pragma once
#include <memory>
#include <source_location>
#include <string>

#include "support/controls/tab_control.h"
#include "tab_button.h"

class TImageList;

// The special buttons; GetButton(-constant) returns one.
constexpr int BTN_SELECT = 1;
constexpr int BTN_LEFT = 2;
constexpr int BTN_RIGHT = 3;

class HCustomBottonsTab : public TCustomTabControl {
    PENDREL_CLASS(HCustomBottonsTab, TCustomTabControl)
public:
    explicit HCustomBottonsTab(TComponent* owner);
    ~HCustomBottonsTab() override;

    // Palette button index for 0 <= index < ButtonsCount, the special button with constant
    // -index for -3 <= index <= -1, null otherwise and where the child list was tampered with.
    HTabButton* GetButton(int index) const;
    // A new button as the last child, in the group of the palette; a palette button is
    // announced by OnButtonCreated.
    HTabButton* NewButton();

    int GetButtonsCount() const;
    // Removes buttons from the end (OnButtonDestroyed for each, last first) or adds them;
    // raises EInvalidOperation for a negative count.
    void SetButtonsCount(int count);
    // The chosen palette button, -1 for none; brought within -1 ... ButtonsCount - 1.
    int GetButtonIndex() const { return buttonIndex_; }
    void SetButtonIndex(int index);
    // The first palette button shown.
    int GetButtonFirst() const { return buttonFirst_; }
    void SetButtonFirst(int value);

    bool GetSelectVisible() const { return selectVisible_; }
    void SetSelectVisible(bool value) { ChangeLayout(selectVisible_, value); }
    int GetArrowsSize() const { return arrowsSize_; }
    void SetArrowsSize(int value) { ChangeLayout(arrowsSize_, value); }
    int GetButtonVMargin() const { return buttonVMargin_; }
    void SetButtonVMargin(int value) { ChangeLayout(buttonVMargin_, value); }
    int GetButtonHMargin() const { return buttonHMargin_; }
    void SetButtonHMargin(int value) { ChangeLayout(buttonHMargin_, value); }
    // The size of the square buttons; 0 takes the height of the row.
    int GetButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int value) { ChangeLayout(buttonHeight_, value); }
    // Flat: the select button and the palette buttons. Opaque: every button.
    bool GetButtonFlat() const { return buttonFlat_; }
    void SetButtonFlat(bool value);
    bool GetButtonOpaque() const { return buttonOpaque_; }
    void SetButtonOpaque(bool value);
    // Palette button i shows image i of this list, which the tab does not own.
    TImageList* GetButtonImages() const { return buttonImages_; }
    void SetButtonImages(TImageList* value);
    // The pictures of the select button and the arrows, in that order.
    const TImageList& SystemImages() const { return *systemImages_; }

    // Pages are the captions of the tabs.
    // Adds a page unless one has that caption; the first page added while none is selected is selected.
    bool AddPage(const std::string& name);
    int LocatePage(const std::string& name) const;
    // Deletes a page in range; the selected page gives way to the one before it.
    bool DeletePage(int index);
    bool DeletePage(const std::string& name) { return DeletePage(LocatePage(name)); }
    // Raise EListError for an index outside the pages.
    std::string GetPage(int index) const;
    void SetPage(int index, const std::string& name);
    int GetPageCount() const { return GetTabs()->Count(); }
    // Deletes pages from the end or appends pages without caption; raises EInvalidOperation
    // for a negative count.
    void SetPageCount(int count);
    int GetPageIndex() const { return pageIndex_; }
    // Selects a page (within the pages, -1 without pages), clears the button selection and
    // fires OnPageSelect.
    void SetPageIndex(int index);

    // Places the buttons in the display area; only while the window exists.
    void FormatButtons();
    // The OnClick of every button.
    void idButtonClick(TObject* sender);

    // The size never goes below the minimum the row of buttons needs.
    void SetBounds(int left, int top, int width, int height) override;
    void Notification(TComponent* component, TOperation operation) override;
    // The buttons are the control's own making: streams do not keep them.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

    TEvent<TObject*> OnButtonSelect;
    TEvent<TObject*, HTabButton*> OnButtonCreated;
    TEvent<TObject*, HTabButton*> OnButtonDestroyed;
    TEvent<TObject*> OnPageSelect;

protected:
    // A tab the user picked selects that page; OnChange does not fire.
    void Change() override;
    void AdjustClientRect(TRect& area) override;

private:
    template <class V>
    void ChangeLayout(V& field, V value) {
        if (field == value) return;
        field = value;
        FormatButtons();
    }
    // The button that must be there; an assertion failure names expression and the caller's
    // source position when it is not.
    HTabButton& NeededButton(int index, const char* expression,
                             std::source_location where = std::source_location::current()) const;
    void MinimumSize(int& width, int& height) const;

    std::unique_ptr<TImageList> systemImages_;
    bool formatting_ = false;
    bool selectVisible_ = true;
    int arrowsSize_ = 10;
    int buttonVMargin_ = 1;
    int buttonHMargin_ = 1;
    int buttonHeight_ = 0;
    bool buttonFlat_ = true;
    bool buttonOpaque_ = true;
    int buttonIndex_ = -1;
    int buttonFirst_ = 0;
    TImageList* buttonImages_ = nullptr;
    int pageIndex_ = -1;
};

// The palette tab as forms place it, with its properties and events published.
class HBottonsTab : public HCustomBottonsTab {
    PENDREL_CLASS(HBottonsTab, HCustomBottonsTab)
public:
    explicit HBottonsTab(TComponent* owner) : HCustomBottonsTab(owner) {}
};
