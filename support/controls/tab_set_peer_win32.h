// The window of a tab set: our own, drawing the tabs as sheets hanging from the top edge,
// the chosen one joined to the window above it.
#pragma once
#include "support/win32/container_peer.h"
#include "tab_set.h"

class TTabSetPeer : public TContainerPeer, public ITabSetWindow {
public:
    using TContainerPeer::TContainerPeer;

    int TextWidth(const std::string& text) const override;

protected:
    void PaintClient(HDC dc, const RECT& area) override;

private:
    TTabSet& TabSet() const { return static_cast<TTabSet&>(Control()); }
    void PaintTab(HDC dc, int index);
};
