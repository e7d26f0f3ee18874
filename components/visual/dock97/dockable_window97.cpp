#include "dockable_window97.h"

#include <algorithm>

#include "dock_windowing.h"

PENDREL_IMPLEMENT_CLASS(TCustomDockableWindow97)

void TCustomDockableWindow97::DeclareProperties(TClassBuilder<TCustomDockableWindow97>&) {}

namespace {
constexpr int kDockedBorder = 2;
constexpr int kGripWidth = 8;
// How far beyond a dock's edge a dragged window is still taken onto it, so that an empty
// dock, which has no size, can be found.
constexpr int kDockSnap = 12;

TWinControl* RootOf(TWinControl* control) {
    while (control && control->Parent()) control = control->Parent();
    return control;
}

TRect ScreenRectOf(const TWinControl& control) {
    const TPoint origin = control.ClientToScreen({0, 0});
    return {origin.X, origin.Y, origin.X + control.GetWidth(), origin.Y + control.GetHeight()};
}
}  // namespace

TCustomDockableWindow97::TCustomDockableWindow97(TComponent* owner) : TWinControl(owner) {
    SetColor(clBtnFace);
    if (auto* form = dynamic_cast<TWinControl*>(owner)) SetHomeForm(RootOf(form));
    const TRect frame = FrameInsets();
    SetBounds(0, 0, 100 + frame.Left + frame.Right, 60 + frame.Top + frame.Bottom);
}

TCustomDockableWindow97::~TCustomDockableWindow97() {
    dragging_ = false;
    if (TDock97* dock = GetDockedTo()) {
        dock->RemoveControl(this);
        dock->ArrangeWindows();
    }
    SetHomeForm(nullptr);
}

void TCustomDockableWindow97::SetDockedTo(TDock97* dock) {
    TDock97* old = GetDockedTo();
    if (dock == old) return;
    if (dock && !dockableTo_.Contains(dock->GetPosition())) return;
    const int width = ClientWidth(), height = ClientHeight();
    if (dock) SetHomeForm(RootOf(dock));
    // A floating window's window is a top-level one: docked it needs a child window.
    if (!old) DestroyHandle();
    TWinControl::SetParent(dock);
    if (old) old->ArrangeWindows();
    if (dock) {
        ApplyClientSize(width, height);
        dock->ArrangeWindows();
    } else {
        const TRect frame = FrameInsets();
        SetBounds(floatingPosition_.X, floatingPosition_.Y, width + frame.Left + frame.Right,
                  height + frame.Top + frame.Bottom);
        KeepOnScreen();
        ShowFloatingWindow();
    }
    DockStateChanged();
    OnDockChanged(this);
    DoMove();
}

void TCustomDockableWindow97::SetParent(TWinControl* parent) {
    auto* dock = dynamic_cast<TDock97*>(parent);
    if (dock || !parent)
        SetDockedTo(dock);
    else
        TWinControl::SetParent(parent);
}

void TCustomDockableWindow97::SetDockRow(int value) {
    if (value == dockRow_) return;
    dockRow_ = value;
    if (TDock97* dock = GetDockedTo()) dock->ArrangeWindows();
    PropertyChanged("DockRow");
}

void TCustomDockableWindow97::SetDockPos(int value) {
    if (value == dockPos_) return;
    dockPos_ = value;
    if (TDock97* dock = GetDockedTo()) dock->ArrangeWindows();
    PropertyChanged("DockPos");
}

void TCustomDockableWindow97::SetFloatingPosition(TPoint value) {
    if (Floating())
        SetBounds(value.X, value.Y, GetWidth(), GetHeight());
    else
        floatingPosition_ = value;
}

void TCustomDockableWindow97::SetCloseButton(bool value) {
    if (value == closeButton_) return;
    closeButton_ = value;
    if (Floating() && HandleAllocated()) {
        DestroyHandle();
        ShowFloatingWindow();
    }
    PropertyChanged("CloseButton");
}

int TCustomDockableWindow97::ClientWidth() const {
    const TRect frame = FrameInsets();
    return std::max(0, GetWidth() - frame.Left - frame.Right);
}

int TCustomDockableWindow97::ClientHeight() const {
    const TRect frame = FrameInsets();
    return std::max(0, GetHeight() - frame.Top - frame.Bottom);
}

void TCustomDockableWindow97::SetClientWidth(int value) { ApplyClientSize(value, ClientHeight()); }

void TCustomDockableWindow97::SetClientHeight(int value) { ApplyClientSize(ClientWidth(), value); }

void TCustomDockableWindow97::ApplyClientSize(int width, int height) {
    const TRect frame = FrameInsets();
    SetBounds(GetLeft(), GetTop(), std::max(0, width) + frame.Left + frame.Right,
              std::max(0, height) + frame.Top + frame.Bottom);
}

TRect TCustomDockableWindow97::FrameInsets() const {
    const TDock97* dock = GetDockedTo();
    if (!dock) return SystemDockWindowing().FloatingFrame();
    const int grip = kDockedBorder + kGripWidth;
    if (dock->Horizontal()) return {grip, kDockedBorder, kDockedBorder, kDockedBorder};
    return {kDockedBorder, grip, kDockedBorder, kDockedBorder};
}

TPoint TCustomDockableWindow97::ClientOrigin() const {
    if (HandleAllocated()) return TWinControl::ClientOrigin();
    const TRect bounds = ScreenBounds();
    const TRect frame = FrameInsets();
    return {bounds.Left + frame.Left, bounds.Top + frame.Top};
}

TRect TCustomDockableWindow97::ScreenBounds() const {
    TPoint origin{GetLeft(), GetTop()};
    if (TDock97* dock = GetDockedTo()) origin = dock->ClientToScreen(origin);
    return {origin.X, origin.Y, origin.X + GetWidth(), origin.Y + GetHeight()};
}

void TCustomDockableWindow97::SetHomeForm(TWinControl* form) {
    if (form == homeForm_) return;
    if (homeForm_) RemoveFreeNotification(homeForm_);
    homeForm_ = form;
    if (homeForm_) FreeNotification(homeForm_);
}

void TCustomDockableWindow97::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == homeForm_) homeForm_ = nullptr;
}

void TCustomDockableWindow97::Close() {
    SetVisible(false);
    OnClose(this);
}

void TCustomDockableWindow97::KeepOnScreen() {
    if (!Floating()) return;
    const TRect area = SystemDockWindowing().WorkAreaNearest(BoundsRect());
    if (area.Right <= area.Left || area.Bottom <= area.Top) return;
    const int width = std::min(GetWidth(), area.Right - area.Left);
    const int height = std::min(GetHeight(), area.Bottom - area.Top);
    const int left = std::clamp(GetLeft(), area.Left, area.Right - width);
    const int top = std::clamp(GetTop(), area.Top, area.Bottom - height);
    SetBounds(left, top, width, height);
}

void TCustomDockableWindow97::BeginDrag(TPoint mouse) {
    const TRect bounds = ScreenBounds();
    grabOffset_ = {mouse.X - bounds.Left, mouse.Y - bounds.Top};
    dragging_ = true;
}

void TCustomDockableWindow97::DragTo(TPoint mouse) {
    if (!dragging_ || !Floating() || DropTargetAt(mouse).Dock) return;
    SetBounds(mouse.X - grabOffset_.X, mouse.Y - grabOffset_.Y, GetWidth(), GetHeight());
}

void TCustomDockableWindow97::EndDrag(TPoint mouse) {
    if (!dragging_) return;
    dragging_ = false;
    const TDropTarget target = DropTargetAt(mouse);
    if (!target.Dock) {
        FloatAt({mouse.X - grabOffset_.X, mouse.Y - grabOffset_.Y});
        return;
    }
    dockRow_ = target.Slot.Row;
    dockPos_ = target.Slot.Pos;
    if (target.Dock != GetDockedTo()) {
        SetDockedTo(target.Dock);
        return;
    }
    target.Dock->ArrangeWindows();
    DoMove();
}

void TCustomDockableWindow97::FloatAt(TPoint topLeft) {
    if (Floating()) {
        SetBounds(topLeft.X, topLeft.Y, GetWidth(), GetHeight());
        KeepOnScreen();
        return;
    }
    floatingPosition_ = topLeft;
    SetDockedTo(nullptr);
}

TCustomDockableWindow97::TDropTarget TCustomDockableWindow97::DropTargetAt(TPoint mouse) const {
    if (!homeForm_) return {};
    for (TDock97* dock : TDock97::DocksIn(*homeForm_)) {
        if (!dock->GetVisible() || !dockableTo_.Contains(dock->GetPosition())) continue;
        TRect zone = ScreenRectOf(*dock);
        if (dock->Horizontal()) {
            zone.Top -= kDockSnap;
            zone.Bottom += kDockSnap;
        } else {
            zone.Left -= kDockSnap;
            zone.Right += kDockSnap;
        }
        if (!zone.Contains(mouse)) continue;
        const int alongOffset = dock->Horizontal() ? grabOffset_.X : grabOffset_.Y;
        return {dock, dock->SlotAt(dock->ScreenToClient(mouse), alongOffset)};
    }
    return {};
}

void TCustomDockableWindow97::DoMove() { OnMove(this); }

void TCustomDockableWindow97::DockStateChanged() {}

void TCustomDockableWindow97::BoundsChanged() {
    TWinControl::BoundsChanged();
    if (Floating())
        floatingPosition_ = {GetLeft(), GetTop()};
    else
        GetDockedTo()->ArrangeWindows();
    DoMove();
}

void TCustomDockableWindow97::VisibleChanged() {
    TWinControl::VisibleChanged();
    if (TDock97* dock = GetDockedTo())
        dock->ArrangeWindows();
    else
        ShowFloatingWindow();
    OnVisibleChanged(this);
}

void TCustomDockableWindow97::Loaded() {
    TWinControl::Loaded();
    ShowFloatingWindow();
}

// A floating window has no parent whose window would make its own: it makes it when shown.
void TCustomDockableWindow97::ShowFloatingWindow() {
    if (Floating() && GetVisible() && HasWindowSystem() && !IsLoading()) HandleNeeded();
}
