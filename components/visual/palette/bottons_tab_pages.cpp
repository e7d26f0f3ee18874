// The pages of a palette tab: the captions of its tabs and the selected one.
#include <algorithm>

#include "bottons_tab.h"
#include "support/framework/exceptions.h"
#include "support/lib/format.h"

bool HCustomBottonsTab::AddPage(const std::string& name) {
    if (LocatePage(name) >= 0) return false;
    const int added = GetTabs()->Add(name);
    if (pageIndex_ == -1) SetPageIndex(added);
    return true;
}

int HCustomBottonsTab::LocatePage(const std::string& name) const { return GetTabs()->IndexOf(name); }

bool HCustomBottonsTab::DeletePage(int index) {
    if (index < 0 || index >= GetPageCount()) return false;
    GetTabs()->Delete(index);
    if (index == pageIndex_) {
        SetPageIndex(index - 1);
    } else if (index < pageIndex_) {
        // The same page stays selected; it moved one place towards the front.
        --pageIndex_;
        SetTabIndex(pageIndex_);
    }
    return true;
}

std::string HCustomBottonsTab::GetPage(int index) const { return (*GetTabs())[index]; }

void HCustomBottonsTab::SetPage(int index, const std::string& name) { GetTabs()->Put(index, name); }

void HCustomBottonsTab::SetPageCount(int count) {
    if (count < 0) throw EInvalidOperation(Message("PageCount cannot be negative (%d)", count));
    if (count == GetPageCount()) return;
    while (GetPageCount() > count) GetTabs()->Delete(GetPageCount() - 1);
    while (GetPageCount() < count) GetTabs()->Add("");
    if (pageIndex_ >= count) SetPageIndex(count - 1);
}

void HCustomBottonsTab::SetPageIndex(int index) {
    index = GetPageCount() > 0 ? std::clamp(index, 0, GetPageCount() - 1) : -1;
    SetTabIndex(index);
    pageIndex_ = index;
    // A stream restores the page after the button, which stays chosen.
    if (ComponentState() & (csReading | csLoading)) return;
    SetButtonIndex(-1);
    OnPageSelect(this);
}

void HCustomBottonsTab::Change() { SetPageIndex(GetTabIndex()); }
