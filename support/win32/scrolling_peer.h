// The window of a scrolling container (scroll box, form): scroll bars that show the
// control's scroll positions and move them, and the scroll box's sunken border.
#pragma once
#include "container_peer.h"
#include "support/framework/scroll_box.h"

class TScrollingPeer : public TContainerPeer {
public:
    using TContainerPeer::TContainerPeer;

    void BoundsChanged() override;
    void ChildAdded(TControl& child) override;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Refresh() override;
    // Whether the window has a sunken client edge; the window keeps in line with the answer.
    virtual bool HasClientEdge() const;

private:
    TScrollingWinControl& Scrolling() const { return static_cast<TScrollingWinControl&>(Control()); }
    void UpdateFrame();
    void UpdateScrollBars();
    void Scroll(int bar, WORD request);
};
