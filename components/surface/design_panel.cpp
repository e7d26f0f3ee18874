#include "design_panel.h"

#include "design_panel_window.h"
#include "grid_tile.h"
#include "support/gdi/color_value.h"

PENDREL_IMPLEMENT_CLASS(HCustomDesignPanel)

void HCustomDesignPanel::DeclareProperties(TClassBuilder<HCustomDesignPanel>&) {}

HCustomDesignPanel::HCustomDesignPanel(TComponent* owner)
    : TScrollingWinControl(owner),
      patternBitmap_(std::make_unique<HBitmap>()),
      grid_(std::make_unique<HDesignGrid>()),
      background_(std::make_unique<HBitmap>()) {
    grid_->OnChange = [this](TObject* sender) { idGridChange(sender); };
    background_->OnChange = [this](TObject* sender) { idBackgroundChange(sender); };
    TControl::SetColor(grid_->GetBkColor());
    SetBounds(0, 0, 185, 41);
}

HCustomDesignPanel::~HCustomDesignPanel() {
    // The window goes while the grid and pictures its messages use are still there.
    DestroyHandle();
    grid_->OnChange = nullptr;
    background_->OnChange = nullptr;
}

void HCustomDesignPanel::SetBorderStyle(HBOX_Types value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    RecreateWindow();
}

void HCustomDesignPanel::SetBorderColor(TColor value) {
    if (value == borderColor_) return;
    borderColor_ = value;
    NCInvalidate();
}

void HCustomDesignPanel::SetForceGrid(bool value) {
    if (value == forceGrid_) return;
    forceGrid_ = value;
    Invalidate();
}

void HCustomDesignPanel::SetColor(TColor value) {
    if (grid_) grid_->SetBkColor(value);
}

void HCustomDesignPanel::SetBkMode(HBT_Types value) {
    if (value == bkMode_) return;
    bkMode_ = value;
    Invalidate();
}

int HCustomDesignPanel::ClientWidth() const { return std::max(0, GetWidth() - 2 * FrameWidth()); }

int HCustomDesignPanel::ClientHeight() const { return std::max(0, GetHeight() - 2 * FrameWidth()); }

bool HCustomDesignPanel::GridShown() const { return grid_->GetVisible() && (forceGrid_ || Designing()); }

bool HCustomDesignPanel::PatternCurrent() const {
    return patternVersion_ > 0 && patternScroll_.X == GetHorzScrollBar()->GetPosition() &&
           patternScroll_.Y == GetVertScrollBar()->GetPosition();
}

void HCustomDesignPanel::UpdateBitmap() {
    patternScroll_ = {GetHorzScrollBar()->GetPosition(), GetVertScrollBar()->GetPosition()};
    BuildGridTile(*patternBitmap_, grid_->GetWidth(), grid_->GetHeight(), patternScroll_.X, patternScroll_.Y,
                  ColorValue(grid_->GetBkColor()), ColorValue(grid_->GetGridColor()));
    ++patternVersion_;
}

void HCustomDesignPanel::NCInvalidate() {
    if (auto* window = dynamic_cast<HDesignPanelWindow*>(Peer())) window->FrameChanged();
}

void HCustomDesignPanel::ParentColorChanged() {
    if (GetParentColor() && Parent()) grid_->SetBkColor(Parent()->GetColor());
}

void HCustomDesignPanel::idGridChange(TObject*) {
    UpdateBitmap();
    // The framework's own colour follows, so that children taking their parent's colour see it.
    if (TControl::GetColor() != grid_->GetBkColor()) {
        const bool fromParent = GetParentColor();
        TControl::SetColor(grid_->GetBkColor());
        if (fromParent) TControl::SetParentColor(true);
    }
    Invalidate();
}

void HCustomDesignPanel::idBackgroundChange(TObject*) { Invalidate(); }

void HCustomDesignPanel::SetPopupMenu(TPopupMenu* value) {
    if (value == popupMenu_) return;
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = value;
    if (popupMenu_) popupMenu_->FreeNotification(this);
    PropertyChanged("PopupMenu");
}

void HCustomDesignPanel::Notification(TComponent* component, TOperation operation) {
    TScrollingWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void HCustomDesignPanel::SetBounds(int left, int top, int width, int height) {
    if ((width != GetWidth() || height != GetHeight()) && !IsLoading()) {
        bool resize = true;
        OnCanResize(this, width, height, resize);
        if (!resize) width = GetWidth(), height = GetHeight();
        if (OnConstrainedResize) {
            int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
            OnConstrainedResize(this, minWidth, minHeight, maxWidth, maxHeight);
            TSizeConstraints limits;
            limits.SetMinWidth(minWidth), limits.SetMinHeight(minHeight);
            limits.SetMaxWidth(maxWidth), limits.SetMaxHeight(maxHeight);
            width = limits.ConstrainWidth(width), height = limits.ConstrainHeight(height);
        }
    }
    TScrollingWinControl::SetBounds(left, top, width, height);
}

void HCustomDesignPanel::BoundsChanged() {
    TScrollingWinControl::BoundsChanged();
    if (GetWidth() == lastWidth_ && GetHeight() == lastHeight_) return;
    lastWidth_ = GetWidth(), lastHeight_ = GetHeight();
    OnResize(this);
}

void HCustomDesignPanel::MouseDown(TMouseButton button, TShiftState shift, TPoint position) {
    TScrollingWinControl::MouseDown(button, shift, position);
    OnMouseDown(this, button, shift, position.X, position.Y);
}

void HCustomDesignPanel::MouseMove(TShiftState shift, TPoint position) { OnMouseMove(this, shift, position.X, position.Y); }

void HCustomDesignPanel::MouseUp(TMouseButton button, TShiftState shift, TPoint position) {
    OnMouseUp(this, button, shift, position.X, position.Y);
    TScrollingWinControl::MouseUp(button, shift, position);  // last: the click may free the panel
}

void HCustomDesignPanel::FocusChanged(bool focused) {
    if (focused)
        OnEnter(this);
    else
        OnExit(this);
}

bool HCustomDesignPanel::MouseWheel(TShiftState shift, int delta, TPoint position) {
    bool handled = false;
    OnMouseWheel(this, shift, delta, position, handled);
    if (!handled && delta < 0) OnMouseWheelDown(this, shift, position, handled);
    if (!handled && delta > 0) OnMouseWheelUp(this, shift, position, handled);
    return handled;
}

bool HCustomDesignPanel::ContextPopup(TPoint screenPosition) {
    bool handled = false;
    OnContextPopup(this, ScreenToClient(screenPosition), handled);
    if (handled) return true;
    if (!popupMenu_) return false;
    popupMenu_->Popup(screenPosition.X, screenPosition.Y);
    return true;
}

void HCustomDesignPanel::RecreateWindow() {
    if (HandleAllocated()) {
        DestroyHandle();
        HandleNeeded();
    }
    // The client area grew or shrank with the frame.
    BoundsChanged();
}

PENDREL_IMPLEMENT_CLASS(HDesignPanel)

void HDesignPanel::DeclareProperties(TClassBuilder<HDesignPanel>& c) {
    using P = HDesignPanel;
    c.Property("Align", &P::GetAlign, &P::SetAlign).Default(alNone);
    c.Property("Anchors", &P::GetAnchors, &P::SetAnchors).Default(kDefaultAnchors);
    c.Property("AutoScroll", &P::GetAutoScroll, &P::SetAutoScroll).Default(true);
    c.Property("Constraints", &P::GetConstraints, &P::SetConstraints);
    c.Property("Enabled", &P::GetEnabled, &P::SetEnabled).Default(true);
    c.Property("Ctl3D", &P::GetCtl3D, &P::SetCtl3D).Default(true);
    c.Property("Font", &P::GetFont, &P::SetFont).Stored(&P::IsFontStored);
    c.Property("ParentColor", &P::GetParentColor, &P::SetParentColor).Default(false);
    c.Property("ParentCtl3D", &P::GetParentCtl3D, &P::SetParentCtl3D).Default(true);
    c.Property("ParentFont", &P::GetParentFont, &P::SetParentFont).Default(true);
    c.Property("ParentShowHint", &P::GetParentShowHint, &P::SetParentShowHint).Default(true);
    c.Property("PopupMenu", &P::GetPopupMenu, &P::SetPopupMenu);
    c.Property("ShowHint", &P::GetShowHint, &P::SetShowHint).Default(false);
    c.Property("TabOrder", &P::GetTabOrder, &P::SetTabOrder).Default(-1);
    c.Property("TabStop", &P::GetTabStop, &P::SetTabStop).Default(false);
    c.Property("Visible", &P::GetVisible, &P::SetVisible).Default(true);
    c.Event("OnCanResize", &P::OnCanResize);
    c.Event("OnClick", &P::OnClick);
    c.Event("OnConstrainedResize", &P::OnConstrainedResize);
    c.Event("OnContextPopup", &P::OnContextPopup);
    c.Event("OnDblClick", &P::OnDblClick);
    c.Event("OnEnter", &P::OnEnter);
    c.Event("OnExit", &P::OnExit);
    c.Event("OnMouseDown", &P::OnMouseDown);
    c.Event("OnMouseMove", &P::OnMouseMove);
    c.Event("OnMouseUp", &P::OnMouseUp);
    c.Event("OnMouseWheel", &P::OnMouseWheel);
    c.Event("OnMouseWheelDown", &P::OnMouseWheelDown);
    c.Event("OnMouseWheelUp", &P::OnMouseWheelUp);
    c.Event("OnResize", &P::OnResize);
    // The grid and the background are the panel's own: published read-only, filled in place.
    c.Property("Grid", &HDesignPanel::GetGrid);
    c.Property("BorderStyle", &HDesignPanel::GetBorderStyle, &HDesignPanel::SetBorderStyle).Default(HBOX_Lower);
    c.Property("BorderColor", &HDesignPanel::GetBorderColor, &HDesignPanel::SetBorderColor).Type(ColorTypeInfo());
    c.Property("AllowFrameResize", &HDesignPanel::GetAllowFrameResize, &HDesignPanel::SetAllowFrameResize)
        .Default(TAnchors{});
    c.Property("ForceGrid", &HDesignPanel::GetForceGrid, &HDesignPanel::SetForceGrid).Default(false);
    c.Property("Color", &HDesignPanel::GetColor, &HDesignPanel::SetColor).Type(ColorTypeInfo()).Default(clBtnFace);
    c.Property("Background", &HDesignPanel::GetBackground);
    c.Property("BkMode", &HDesignPanel::GetBkMode, &HDesignPanel::SetBkMode).Default(HBT_Tile);
}
