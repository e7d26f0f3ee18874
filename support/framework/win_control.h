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
    // The control moved in its parent's child order: the window takes its place among the
    // windows of its siblings.
    virtual void StackingChanged() = 0;
    // All mouse input goes to this window while captured.
    virtual void SetMouseCapture(bool capture) = 0;
    virtual void SetFocus() = 0;
    virtual bool Focused() const = 0;
    virtual TPoint ClientOrigin() const = 0;
};
using TWindowPeerFactory = std::function<std::unique_ptr<TWindowPeer>(TWinControl&)>;
void SetWindowPeerFactory(TWindowPeerFactory factory);
bool HasWindowSystem();

// What ControlAtPos looks at besides the visible, enabled children of the container.
struct TControlAtPosOptions {
    bool AllowDisabled = false;
    bool AllowInvisible = false;
    // Looks into windowed children for the innermost control at the position.
    bool AllLevels = false;
};

class TWinControl : public TControl {
    PENDREL_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The children in child order, which is their stacking order and the order a layout
    // stores them in: index 0 lies at the bottom, the last one on top.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    // The child control at a client position, the topmost one; null when none.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled = false) const;
    TControl* ControlAtPos(TPoint pos, const TControlAtPosOptions& options) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // Moves a child to the top (end of the child order) or the bottom, its window too.
    void BringToFront(TControl* control);
    void SendToBack(TControl* control);
    using TControl::BringToFront;
    using TControl::SendToBack;

    // The tab order of windowed children, apart from the child order: where this control
    // stands in its parent's, and the children's own.
    int GetTabOrder() const;
    // An order past the last puts the control last; a negative one is passed over.
    void SetTabOrder(int order);
    const std::vector<TWinControl*>& TabList() const { return tabList_; }
    bool GetTabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }
    void Loaded() override;

    // Alignment of children waits while disabled; enabling again realigns.
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    void Realign();
    bool AlignDisabled() const { return alignDisabled_ > 0; }

    // Input. A designer's interceptor sees the input of this container and of everything in it
    // first; null removes it. The interceptor lives longer than it is set.
    void SetDesignInterceptor(IDesignInterceptor* interceptor);
    IDesignInterceptor* DesignInterceptor() const { return interceptor_; }
    // The nearest of control and its parents that has an interceptor; null when none has.
    static TWinControl* InterceptingContainer(TControl& control);
    // Hands a mouse event of this window (its client coordinates) to the windowless child it
    // is for: the one held since its button went down, else the one under the mouse, which
    // is told when the mouse leaves it. True when a child took it.
    bool RouteChildMouse(const TInputEvent& input);
    // The windowless child under the mouse, if any.
    TControl* HoveredChild() const { return hovered_; }
    void SetMouseCapture(bool capture);
    void SetFocus();
    bool Focused() const { return peer_ && peer_->Focused(); }
    // The window got or lost the keyboard focus.
    virtual void FocusChanged(bool /*focused*/) {}
    // The wheel turned over the window (position in client coordinates); true when handled.
    virtual bool MouseWheel(TShiftState /*shift*/, int /*delta*/, TPoint /*position*/) { return false; }
    // A context menu is asked for at a screen position; true when the control showed one or
    // handled the request, false to leave it to the parent.
    virtual bool ContextPopup(TPoint /*screenPosition*/) { return false; }

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

    void ChangeScale(int multiplier, int divisor) override;
    void InvalidateRect(const TRect& area);
    void Invalidate() override;
    // While held, the repaints asked for are gathered into one, asked for when the last hold
    // ends: a layout's thousand keys arriving or going are one repaint, not a thousand.
    void HoldRepaints() { ++repaintHolds_; }
    void ReleaseRepaints();
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
    void MoveInChildOrder(TControl* control, bool toTop);
    void FixupTabList();
    TControl* WindowlessChildAt(TPoint point) const;

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    std::unique_ptr<TWindowPeer> peer_;
    int alignDisabled_ = 0;
    int repaintHolds_ = 0;
    bool repaintAll_ = false;
    TRect heldArea_;  // empty while nothing waits
    bool tabStop_ = false;
    int pendingTabOrder_ = -1;  // the order read from a stream, until the parent sorts its list
    IDesignInterceptor* interceptor_ = nullptr;
    TControl* hovered_ = nullptr;
    TControl* held_ = nullptr;
};

// Holds a container's repaints for a scope.
class TRepaintHold {
public:
    explicit TRepaintHold(TWinControl& control) : control_(control) { control_.HoldRepaints(); }
    ~TRepaintHold() { control_.ReleaseRepaints(); }
    TRepaintHold(const TRepaintHold&) = delete;
    TRepaintHold& operator=(const TRepaintHold&) = delete;

private:
    TWinControl& control_;
};

// Destroys the control's child controls, from index 0, until it has none.
void HClearControl(TWinControl* control);
