// The common part of tool windows and toolbars: docked on a TDock97 or floating as a small
// captioned window of their own, moved between the two by their grip or caption.
//
// Docked, the window's bounds are in its dock's client coordinates and a grip lies along its
// leading edge; floating, its bounds are in screen coordinates and its frame is a tool
// window's caption and borders. The client size is kept when the window changes state.
#pragma once
#include "dock97.h"
#include "support/framework/event.h"

class TCustomDockableWindow97 : public TWinControl {
    PENDREL_CLASS(TCustomDockableWindow97, TWinControl)
public:
    explicit TCustomDockableWindow97(TComponent* owner);
    ~TCustomDockableWindow97() override;

    TDock97* GetDockedTo() const { return dynamic_cast<TDock97*>(Parent()); }
    // Docks onto dock in the window's DockRow at its DockPos, or floats with null. A dock of a
    // position the window is not DockableTo is refused and changes nothing.
    void SetDockedTo(TDock97* dock);
    bool Floating() const { return GetDockedTo() == nullptr; }
    // A dock or no parent docks or floats the window as SetDockedTo does, so that streams
    // and the designer, which set parents, dock it the same way.
    void SetParent(TWinControl* parent) override;
    int GetDockRow() const { return dockRow_; }
    void SetDockRow(int value);
    int GetDockPos() const { return dockPos_; }
    void SetDockPos(int value);
    // Where the window goes when it floats, in screen coordinates; floating, its top-left.
    TPoint GetFloatingPosition() const { return floatingPosition_; }
    void SetFloatingPosition(TPoint value);
    TDockableTo GetDockableTo() const { return dockableTo_; }
    void SetDockableTo(TDockableTo value) { ChangeAndReport(dockableTo_, value, "DockableTo"); }
    bool GetCloseButton() const { return closeButton_; }
    void SetCloseButton(bool value);

    int ClientWidth() const override;
    int ClientHeight() const override;
    int GetClientWidth() const { return ClientWidth(); }
    void SetClientWidth(int value);
    int GetClientHeight() const { return ClientHeight(); }
    void SetClientHeight(int value);
    // Widths of the grip and borders (docked) or the caption and borders (floating) around
    // the client area, as Left, Top, Right and Bottom.
    TRect FrameInsets() const;
    TPoint ClientOrigin() const override;
    // The window's outer rectangle in screen coordinates.
    TRect ScreenBounds() const;

    // The root control whose docks the window may go to; floating, its window owns this one.
    TWinControl* HomeForm() const { return homeForm_; }
    void SetHomeForm(TWinControl* form);

    // Hides the window, as its close button does, and runs OnClose.
    void Close();
    // Pulls a floating window inside the work area of its nearest monitor, no bigger than it.
    void KeepOnScreen();

    // Dragging by the grip or the caption, the mouse in screen coordinates. A floating window
    // follows the mouse; on release over a dock it may go to, the window docks there at the
    // row and place under the mouse, elsewhere it floats with its grabbed point under it.
    void BeginDrag(TPoint mouse);
    void DragTo(TPoint mouse);
    void EndDrag(TPoint mouse);
    void CancelDrag() { dragging_ = false; }
    bool Dragging() const { return dragging_; }

    // Runs whenever the window was moved, sized or docked.
    virtual void DoMove();
    // The dock (or its position) changed, or the window began or stopped floating.
    virtual void DockStateChanged();

    void Notification(TComponent* component, TOperation operation) override;

    TEvent<TObject*> OnClose;
    TEvent<TObject*> OnVisibleChanged;
    TEvent<TObject*> OnDockChanged;
    TEvent<TObject*> OnMove;

protected:
    friend class TDock97;
    // The dock's arrangement gives the window its row and position.
    void TakeDockPlace(int row, int pos) {
        dockRow_ = row;
        dockPos_ = pos;
    }
    void BoundsChanged() override;
    void VisibleChanged() override;
    void Loaded() override;

private:
    struct TDropTarget {
        TDock97* Dock = nullptr;
        TDockSlot Slot;
    };
    TDropTarget DropTargetAt(TPoint mouse) const;
    void FloatAt(TPoint topLeft);
    void ApplyClientSize(int width, int height);
    void ShowFloatingWindow();

    int dockRow_ = 0;
    int dockPos_ = 0;
    TPoint floatingPosition_;
    TDockableTo dockableTo_{dpTop, dpBottom, dpLeft, dpRight};
    bool closeButton_ = true;
    TWinControl* homeForm_ = nullptr;
    bool dragging_ = false;
    TPoint grabOffset_;
};
