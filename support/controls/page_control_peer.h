// The window of a TPageControl: the system tab control, with the sheets' windows as its
// children. The tab control tells its parent window of a new selection; a hook on the parent
// hands that back to the page control.
#pragma once
#include "page_control.h"
#include "parent_notify_win32.h"

class TPageControlPeer : public TWin32WindowPeer {
public:
    explicit TPageControlPeer(TWinControl& control);

protected:
    void CreateParams(TCreateParams& params) override;
    void Refresh() override;

private:
    TPageControl& PageControl() const { return static_cast<TPageControl&>(Control()); }
    void ShowTabs();
    void PlacePages();
    bool ParentNotified(UINT message, LPARAM lParam, LRESULT& result);

    TParentNotifyHook hook_;
};

