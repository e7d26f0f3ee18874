// The window of a dockable window: a child of its dock with the grip drawn in its frame, or,
// floating, a small captioned tool window owned by its form's window that never takes the
// activation. The grip and the caption drag the window between the two.
#pragma once
#include "dockable_window97.h"
#include "support/win32/container_peer.h"

constexpr DWORD kFloatingStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
constexpr DWORD kFloatingExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;

class TDockableWindowPeer : public TContainerPeer {
public:
    // The mouse input of a drag reaches the window before its buttons see it.
    explicit TDockableWindowPeer(TWinControl& control);
    ~TDockableWindowPeer() override;

    // Mouse input while the window is being dragged; true when taken.
    bool DragMessage(UINT message, LPARAM lParam);

    // Shown without taking the activation, floating as well as docked.
    void ShowWindow(bool show) override;
    // Makes the window and, when the control is visible, shows it: a window made visible
    // would be activated by some systems whatever its style.
    static std::unique_ptr<TWindowPeer> Make(TWinControl& control);

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TCustomDockableWindow97& Window() const { return static_cast<TCustomDockableWindow97&>(Control()); }
    // Docked windows keep their grip and borders out of the client area.
    LRESULT CalcDockedFrame(WPARAM wParam, LPARAM lParam);
    LRESULT HitTest(WPARAM wParam, LPARAM lParam);
    void PaintDockedFrame();
};
