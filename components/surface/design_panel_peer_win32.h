// The window of a design panel: its frame in the non-client area, the grid or background
// under the children, and frame edges that resize only where the panel allows.
#pragma once
#include "design_panel.h"
#include "design_panel_window.h"
#include "support/gdi/api_canvas_win32.h"
#include "support/win32/scrolling_peer.h"

class HDesignPanelPeer : public TScrollingPeer, public HDesignPanelWindow {
public:
    using TScrollingPeer::TScrollingPeer;
    ~HDesignPanelPeer() override;

    void FrameChanged() override;
    // Paints the whole window, frame and child windows included, on dc with the window's
    // top-left corner at dc's origin.
    void PaintWindow(HDC dc);

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintClient(HDC dc, const RECT& area) override;
    bool HasClientEdge() const override;

private:
    HCustomDesignPanel& Panel() const { return static_cast<HCustomDesignPanel&>(Control()); }
    LRESULT HitTest(WPARAM wParam, LPARAM lParam);
    void PaintNonClient(WPARAM wParam, LPARAM lParam);
    // The frame on dc, whose origin is the window's top-left corner.
    void PaintFrame(HDC dc);
    void PaintGrid(HDC dc);
    // The brush made from the panel's current grid tile.
    HBRUSH PatternBrush();
    void PrintChildWindows(HDC dc);

    HAPICanvas canvas_;
    HBRUSH patternBrush_ = nullptr;
    int brushVersion_ = 0;
};
