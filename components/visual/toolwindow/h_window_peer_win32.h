// The window of an HWindow: its caption bar and close button painted over the background.
#pragma once
#include "h_window.h"
#include "support/win32/container_peer.h"

class HWindowPeer : public TContainerPeer {
public:
    using TContainerPeer::TContainerPeer;

protected:
    void PaintClient(HDC dc, const RECT& area) override;

private:
    HWindow& Window() const { return static_cast<HWindow&>(Control()); }
    void PaintCaption(HDC dc);
};

// Gives HWindows their windows; calling it again does nothing.
void InstallToolWindowWindowing();
