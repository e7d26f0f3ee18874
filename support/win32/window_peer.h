// The window of a windowed control: one HWND per TWinControl, kept in step with the control
// through the TWindowPeer calls, with its messages dispatched to virtual handlers.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "gdi_objects.h"
#include "support/framework/win_control.h"

// What CreateWindowEx is called with; the final peer class fills it in.
struct TCreateParams {
    std::wstring ClassName;
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND Parent = nullptr;
};

class TWin32WindowPeer : public TWindowPeer {
public:
    explicit TWin32WindowPeer(TWinControl& control) : control_(control) {}
    // Destroys the window, unless the system already has.
    ~TWin32WindowPeer() override;
    TWin32WindowPeer(const TWin32WindowPeer&) = delete;
    TWin32WindowPeer& operator=(const TWin32WindowPeer&) = delete;

    // Makes the window. Separate from the constructor, so that the final class's
    // CreateParams and handlers take part; raises EWin32Error when the system refuses.
    void CreateHandle();

    void* Handle() const override { return wnd_; }
    void BoundsChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void TextChanged() override;
    // Without an area, anything may have changed, the font included: the window is refreshed too.
    void Invalidate(const TRect* area) override;
    void ShowWindow(bool show) override;
    void ChildAdded(TControl& child) override;
    void StackingChanged() override;
    void SetMouseCapture(bool capture) override;
    void SetFocus() override;
    bool Focused() const override;
    TPoint ClientOrigin() const override;

    HWND Wnd() const { return wnd_; }
    TWinControl& Control() const { return control_; }
    // The peer of a window made here; null for any other window.
    static TWin32WindowPeer* FromHandle(HWND wnd);

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window class's own handling: DefWindowProc, or a system class's procedure.
    LRESULT DefaultWndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification (WM_COMMAND) this window sent to its parent, handed back to it.
    virtual void Notified(WORD /*code*/) {}
    // WM_CTLCOLOR* about this window, handed back from its parent: the background brush
    // after setting the DC's colours, or null for the system's colours.
    virtual HBRUSH ControlColor(HDC /*dc*/) { return nullptr; }
    // Brings the window in line with what changes without a call of its own (font, limits).
    virtual void Refresh() {}
    // Gives the window a font made from the control's font when that font changed.
    void ApplyFont();
    bool IsTopLevel() const { return control_.Parent() == nullptr; }

    // The procedure of every window made here.
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Attach(HWND wnd);
    void Detach();
    std::string Describe() const;
    // The control follows a window that was moved or sized from outside (the user, the system).
    void FollowWindowBounds();
    LRESULT ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam);
    // Mouse and key input: to a design interceptor first, then to the windowless child it is
    // for. True when it was taken, so that the window's own handling does not run; otherwise
    // own is the mouse input for the window's own control.
    bool DispatchInput(UINT message, WPARAM wParam, LPARAM lParam, std::optional<TInputEvent>& own);
    void OwnMouse(const TInputEvent& input);
    bool ShowDesignCursor();

    TWinControl& control_;
    HWND wnd_ = nullptr;
    WNDPROC classProc_ = nullptr;  // set when a system window class was subclassed
    std::unique_ptr<TFontHandle> font_;
};

// Makes a peer of type Peer with its window.
template <class Peer>
std::unique_ptr<TWindowPeer> MakeWindowPeer(TWinControl& control) {
    auto peer = std::make_unique<Peer>(control);
    peer->CreateHandle();
    return peer;
}
