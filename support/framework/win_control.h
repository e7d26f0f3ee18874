// Windowed controls: child controls in child order, alignment, and a window made on demand.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "control.h"

class TWinControl;

// The window system's side of a windowed control. The portable core has none; the Windows
// layer installs a factory that makes real windows.
class TWindowPeer {
public:
    virtual ~TWindowPeer() = default;
    virtual void* Handle() const = 0;
    virtual void BoundsChanged() = 0;
    virtual void VisibleChanged() = 0;
    virtual void EnabledChanged() = 0;
    virtual void TextChanged() = 0;
    virtual void Invalidate(const TRect* area) = 0;
    // Shows or hides the window without changing the control's Visible.
    virtual void ShowWindow(bool show) = 0;
    virtual void ChildAdded(TControl& child) = 0;
    virtual TPoint ClientOrigin() const = 0;
};
using TWindowPeerFactory = std::function<std::unique_ptr<TWindowPeer>(TWinControl&)>;
void SetWindowPeerFactory(TWindowPeerFactory factory);
bool HasWindowSystem();

class TWinControl : public TControl {
    PENDREL_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    // The visible child control at a client position, topmost first; null when none.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled = false) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // Moves a child to the top (end of the child order) or the bottom.
    void BringToFront(TControl* control);
    void SendToBack(TControl* control);

    int GetTabOrder() const;
    void SetTabOrder(int order);
    bool GetTabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }

    // Alignment of children waits while disabled; enabling again realigns.
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    void Realign();
    bool AlignDisabled() const { return alignDisabled_ > 0; }

    // Top-level forms answer true; a form is where component names must be unique.
    virtual bool IsForm() const { return false; }

    bool HandleAllocated() const { return peer_ != nullptr; }
    // Creates the window (and the parent's first); raises EInvalidOperation without a window system.
    void HandleNeeded();
    void* Handle();
    void DestroyHandle();
    // Hides or shows the window itself, leaving Visible as it is.
    void ShowWindowCommand(bool show);
    TWindowPeer* Peer() const { return peer_.get(); }

    void InvalidateRect(const TRect& area);
    void Invalidate() override;
    TPoint ClientOrigin() const override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

protected:
    void FontChanged() override;
    void BoundsChanged() override;
    void VisibleChanged() override;
    void TextChanged() override;
    void EnabledChanged() override;
    void ColorChanged() override;
    virtual void AlignControls(TRect& area);
    virtual void CreateHandle();

private:
    std::vector<TControl*> controls_;
    std::unique_ptr<TWindowPeer> peer_;
    int alignDisabled_ = 0;
    bool tabStop_ = false;
};

// Destroys the control's child controls, from index 0, until it has none.
void HClearControl(TWinControl* control);
