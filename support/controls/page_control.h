// Pages behind tabs: the page control shows the tab sheets among its children one at a time.
#pragma once
#include <vector>

#include "support/framework/win_control.h"

class TPageControl;

// One page; its Caption is the text of its tab. A sheet joins a page control by becoming its child.
class TTabSheet : public TWinControl {
    PENDREL_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* owner);

    TPageControl* GetPageControl() const;
    void SetPageControl(TPageControl* value);
    // Position among the pages; -1 outside a page control.
    int GetPageIndex() const;
    void SetParent(TWinControl* parent) override;

protected:
    void TextChanged() override;
};

class TPageControl : public TWinControl {
    PENDREL_CLASS(TPageControl, TWinControl)
public:
    explicit TPageControl(TComponent* owner);

    int PageCount() const { return static_cast<int>(Pages().size()); }
    TTabSheet* Page(int index) const;
    std::vector<TTabSheet*> Pages() const;

    // The first page added is the active one until another is chosen.
    TTabSheet* GetActivePage() const;
    void SetActivePage(TTabSheet* value);
    int GetActivePageIndex() const;
    // An index outside the pages raises EListError.
    void SetActivePageIndex(int value);

    // The user picked the tab at index; OnChange runs.
    void SelectedInWindow(int index);
    // The area the pages fill, in client coordinates.
    TRect DisplayRect() const;
    // Gives every page the bounds of area.
    void PlacePages(const TRect& area);

    TEvent<TObject*> OnChange;

protected:
    friend class TTabSheet;
    void AlignControls(TRect& area) override;
    void PageAdded(TTabSheet& page);
    void TabsChanged() { Invalidate(); }

private:
    void ShowActivePage();

    TTabSheet* activePage_ = nullptr;
};
