#include "page_control.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "support/framework/exceptions.h"

PENDREL_IMPLEMENT_CLASS(TTabSheet)

void TTabSheet::DeclareProperties(TClassBuilder<TTabSheet>& c) {
    c.Property("Caption", &TTabSheet::GetCaption, &TTabSheet::SetCaption);
    c.Property("Font", &TTabSheet::GetFont, &TTabSheet::SetFont).Stored(&TTabSheet::IsFontStored);
    c.Property("PageIndex", &TTabSheet::GetPageIndex);
    c.Property("ParentFont", &TTabSheet::GetParentFont, &TTabSheet::SetParentFont).Default(true);
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetParentColor(true);
    SetVisible(false);
}

TPageControl* TTabSheet::GetPageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

int TTabSheet::GetPageIndex() const {
    const TPageControl* pageControl = GetPageControl();
    if (!pageControl) return -1;
    const std::vector<TTabSheet*> pages = pageControl->Pages();
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetParent(TWinControl* parent) {
    TPageControl* previous = GetPageControl();
    TWinControl::SetParent(parent);
    if (previous && previous != parent) previous->TabsChanged();
    if (TPageControl* pageControl = GetPageControl()) pageControl->PageAdded(*this);
}

void TTabSheet::TextChanged() {
    TWinControl::TextChanged();
    if (TPageControl* pageControl = GetPageControl()) pageControl->TabsChanged();
}

PENDREL_IMPLEMENT_CLASS(TPageControl)

void TPageControl::DeclareProperties(TClassBuilder<TPageControl>& c) {
    c.Property("ActivePageIndex", &TPageControl::GetActivePageIndex, &TPageControl::SetActivePageIndex);
    c.Property("Enabled", &TPageControl::GetEnabled, &TPageControl::SetEnabled).Default(true);
    c.Property("Font", &TPageControl::GetFont, &TPageControl::SetFont).Stored(&TPageControl::IsFontStored);
    c.Property("ParentFont", &TPageControl::GetParentFont, &TPageControl::SetParentFont).Default(true);
    c.Property("TabOrder", &TPageControl::GetTabOrder, &TPageControl::SetTabOrder).Default(-1);
    c.Property("TabStop", &TPageControl::GetTabStop, &TPageControl::SetTabStop).Default(true);
    c.Property("Visible", &TPageControl::GetVisible, &TPageControl::SetVisible).Default(true);
    c.Event("OnChange", &TPageControl::OnChange);
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    SetParentColor(true);
}

std::vector<TTabSheet*> TPageControl::Pages() const {
    std::vector<TTabSheet*> pages;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* page = dynamic_cast<TTabSheet*>(Controls(i))) pages.push_back(page);
    return pages;
}

TTabSheet* TPageControl::Page(int index) const {
    const std::vector<TTabSheet*> pages = Pages();
    if (index < 0 || index >= static_cast<int>(pages.size()))
        throw EListError("Page index out of bounds (" + std::to_string(index) + ")");
    return pages[static_cast<size_t>(index)];
}

TTabSheet* TPageControl::GetActivePage() const {
    // A page that left since it was chosen no longer counts.
    return activePage_ && activePage_->Parent() == this ? activePage_ : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* value) {
    if (value && value->Parent() != this) throw EInvalidOperation("The sheet is not a page of this page control");
    if (value == GetActivePage()) return;
    activePage_ = value;
    ShowActivePage();
}

int TPageControl::GetActivePageIndex() const {
    const TTabSheet* active = GetActivePage();
    return active ? active->GetPageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value) { SetActivePage(Page(value)); }

void TPageControl::SelectedInWindow(int index) {
    const std::vector<TTabSheet*> pages = Pages();
    if (index < 0 || index >= static_cast<int>(pages.size()) || pages[static_cast<size_t>(index)] == GetActivePage())
        return;
    activePage_ = pages[static_cast<size_t>(index)];
    ShowActivePage();
    OnChange(this);
}

TRect TPageControl::DisplayRect() const {
    if (!HandleAllocated()) return {4, 24, std::max(4, GetWidth() - 4), std::max(24, GetHeight() - 4)};
    RECT area{0, 0, GetWidth(), GetHeight()};
    SendMessageW(static_cast<HWND>(Peer()->Handle()), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return {area.left, area.top, std::max(area.left, area.right), std::max(area.top, area.bottom)};
}

void TPageControl::AlignControls(TRect&) { PlacePages(DisplayRect()); }

void TPageControl::PlacePages(const TRect& area) {
    for (TTabSheet* page : Pages()) page->SetBounds(area.Left, area.Top, area.Right - area.Left, area.Bottom - area.Top);
}

void TPageControl::PageAdded(TTabSheet& page) {
    if (!GetActivePage()) activePage_ = &page;
    Realign();
    ShowActivePage();
}

void TPageControl::ShowActivePage() {
    const TTabSheet* active = GetActivePage();
    for (TTabSheet* page : Pages()) page->SetVisible(page == active);
    TabsChanged();
}
