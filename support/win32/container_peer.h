// The window of a control that holds others: it paints its background in the control's
// colour and its child controls that have no window of their own.
#pragma once
#include <functional>

#include "window_peer.h"

class TContainerPeer : public TWin32WindowPeer {
public:
    using TWin32WindowPeer::TWin32WindowPeer;

protected:
    // Registers a window class of this peer's kind (arrow cursor, double clicks, the peers'
    // window procedure) once per process; raises when the system refuses.
    static const wchar_t* RegisterContainerClass(const wchar_t* name);
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws area (client coordinates) of the window on dc.
    virtual void PaintClient(HDC dc, const RECT& area);

private:
    // Registers the window class on first use.
    static const wchar_t* WindowClassName();
    void Paint();
};
