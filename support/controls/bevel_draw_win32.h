// Drawing of bevels: the windowless TBevel's painter and the window of a TPanel.
#pragma once
#include <windows.h>

#include "bevel.h"
#include "support/win32/container_peer.h"

// Draws width nested one-pixel frames just inside area, light at the top left when raised,
// and moves area inside them.
void DrawBevelEdge(HDC dc, RECT& area, bool raised, int width);
void PaintBevel(TControl& control, HDC dc);

class TPanelPeer : public TContainerPeer {
public:
    using TContainerPeer::TContainerPeer;

protected:
    void PaintClient(HDC dc, const RECT& area) override;

private:
    TPanel& Panel() const { return static_cast<TPanel&>(Control()); }
    void PaintCaption(HDC dc, const RECT& inside) const;
};
