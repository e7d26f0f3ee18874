#include "designer.h"

#include "design_clipboard.h"
#include "design_drag.h"
#include "designer_error.h"
#include "designer_panel.h"
#include "support/framework/class_builder.h"
#include "support/menus/popup_menu.h"

PENDREL_IMPLEMENT_CLASS(TELDesigner)

void TELDesigner::DeclareProperties(TClassBuilder<TELDesigner>& c) {
    using D = TELDesigner;
    c.Property("ClipboardFormat", &D::GetClipboardFormat, &D::SetClipboardFormat);
    c.Property("DesignControl", &D::GetDesignControl, &D::SetDesignControl);
    c.Property("DesignPanel", &D::GetDesignPanel, &D::SetDesignPanel);
    c.Property("Grid", &D::GetGrid, &D::SetGrid);
    c.Property("HandleBorderColor", &D::GetHandleBorderColor, &D::SetHandleBorderColor).Type(ColorTypeInfo()).Default(clBlack);
    c.Property("HandleColor", &D::GetHandleColor, &D::SetHandleColor).Type(ColorTypeInfo()).Default(clBlack);
    c.Property("InactiveHandleBorderColor", &D::GetInactiveHandleBorderColor, &D::SetInactiveHandleBorderColor).Type(ColorTypeInfo()).Default(clBlack);
    c.Property("InactiveHandleColor", &D::GetInactiveHandleColor, &D::SetInactiveHandleColor).Type(ColorTypeInfo()).Default(clGray);
    c.Property("LockedHandleColor", &D::GetLockedHandleColor, &D::SetLockedHandleColor).Type(ColorTypeInfo()).Default(clSilver);
    c.Property("MultySelectHandleBorderColor", &D::GetMultySelectHandleBorderColor,
               &D::SetMultySelectHandleBorderColor).Type(ColorTypeInfo()).Default(clBlack);
    c.Property("MultySelectHandleColor", &D::GetMultySelectHandleColor, &D::SetMultySelectHandleColor).Type(ColorTypeInfo()).Default(clGray);
    c.Property("PopupMenu", &D::GetPopupMenu, &D::SetPopupMenu);
    c.Property("SnapToGrid", &D::GetSnapToGrid, &D::SetSnapToGrid).Default(false);
    c.Property("SnapToGuides", &D::GetSnapToGuides, &D::SetSnapToGuides).Default(true);
    c.Event("OnChange", &D::OnChange);
    c.Event("OnChangeSelection", &D::OnChangeSelection);
    c.Event("OnControlInserted", &D::OnControlInserted);
    c.Event("OnControlInserting", &D::OnControlInserting);
}

TELDesigner::TELDesigner(TComponent* owner) : TComponent(owner), grid_(std::make_unique<TELDesignerGrid>()) {
    io_.SetTextOutput(true);
    grid_->OnChange = [this](TObject*) { InvalidateSurface(); };
}

TELDesigner::~TELDesigner() {
    if (active_) Deactivate(false);
    for (const auto& [_, control] : watched_) control->RemoveFreeNotification(this);
    if (designPanel_) designPanel_->designer_ = nullptr;
}

// Properties.

void TELDesigner::SetDesignControl(TWinControl* value) {
    if (value == designControl_) return;
    if (active_) throw EDesignerError("The design control cannot change while the designer is active");
    if (designControl_) designControl_->RemoveFreeNotification(this);
    designControl_ = value;
    if (value) value->FreeNotification(this);
}

void TELDesigner::SetDesignPanel(TELDesignPanel* value) {
    if (value == designPanel_) return;
    if (active_) throw EDesignerError("The design panel cannot change while the designer is active");
    if (designPanel_) designPanel_->RemoveFreeNotification(this);
    designPanel_ = value;
    if (value) value->FreeNotification(this);
}

void TELDesigner::SetPopupMenu(TPopupMenu* value) {
    if (value == popupMenu_) return;
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = value;
    if (value) value->FreeNotification(this);
}

void TELDesigner::SetColor(TColor& field, TColor value) {
    if (field == value) return;
    field = value;
    InvalidateSurface();
}

bool TELDesigner::IsDesigned(const TControl* control) const {
    return active_ && control && (control == designControl_ || control->Parent() == designControl_);
}

// Activation.

void TELDesigner::SetActive(bool value) {
    if (value == active_) return;
    if (value)
        Activate();
    else
        Deactivate(true);
}

void TELDesigner::Activate() {
    if (!designControl_ || !designPanel_) throw EDesignerError("The designer needs a design control and a design panel");
    for (TControl* c = designPanel_; c; c = c->Parent())
        if (c == designControl_) throw EDesignerError("The design panel cannot lie inside the design control");
    TWinControl& surface = *designControl_;
    saved_ = {surface.Parent(), surface.GetLeft(), surface.GetTop(), surface.GetVisible(), surface.Designing(),
              surface.DesignerHook()};
    surface.SetParent(designPanel_);
    surface.SetBounds(0, 0, surface.GetWidth(), surface.GetHeight());
    surface.SetDesigning(true, true);
    surface.SetDesignerHook(this);
    surface.SetDesignInterceptor(this);
    designPanel_->SetDesignInterceptor(this);
    designPanel_->designer_ = this;
    io_.SetControl(&surface);
    active_ = true;
    surface.SetVisible(true);
    // Coming back to the same design keeps its history.
    TDesignState now = CaptureState();
    if (now.Text != history_.Current().Text) history_.Reset(std::move(now));
    InvalidateSurface();
    // The keys act on the design at once, without a click on it first.
    if (designPanel_->HandleAllocated() && designPanel_->GetVisible()) designPanel_->SetFocus();
}

void TELDesigner::Deactivate(bool events) {
    CancelDrag();
    const bool hadSelection = selection_.GetCount() > 0;
    selection_.items_.clear();
    selection_.members_.clear();
    TWinControl* surface = designControl_;
    active_ = false;
    if (designPanel_) {
        designPanel_->SetDesignInterceptor(nullptr);
        designPanel_->designer_ = nullptr;
    }
    if (surface && !(surface->ComponentState() & csDestroying)) {
        surface->SetDesignInterceptor(nullptr);
        surface->SetDesignerHook(saved_.Hook);
        surface->SetDesigning(saved_.Designing, true);
        surface->SetVisible(saved_.Visible);
        surface->SetParent(saved_.Parent);
        // The size is part of the design; only the place comes back.
        surface->SetBounds(saved_.Left, saved_.Top, surface->GetWidth(), surface->GetHeight());
    }
    io_.SetControl(nullptr);
    if (events && hadSelection) OnChangeSelection(this);
}

void TELDesigner::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == designControl_ || component == designPanel_) {
        if (active_) Deactivate(false);
        if (component == designControl_) designControl_ = nullptr;
        if (component == designPanel_) designPanel_ = nullptr;
    }
    if (component == popupMenu_) popupMenu_ = nullptr;
    ControlGone(component);
}

void TELDesigner::Watch(TControl* control) {
    if (control == designControl_ || watched_.count(control)) return;
    watched_[control] = control;
    control->FreeNotification(this);
}

// A control under the surface went away: nothing may point at it any more.
void TELDesigner::ControlGone(const TComponent* component) {
    const auto found = watched_.find(component);
    if (found == watched_.end()) return;
    TControl* control = found->second;
    watched_.erase(found);
    locks_.erase(control);
    if (drag_) {
        std::erase_if(drag_->Origins, [&](const auto& origin) { return origin.first == control; });
        if (drag_->Pressed == control) drag_->Pressed = nullptr;
        CancelDrag();
    }
    if (selection_.Forget(control) && !SurfaceGoing()) SelectionChanged();
}

void TELDesigner::SelectionChanged() {
    history_.SetCurrentSelection(SelectionNames());
    InvalidateSurface();
    OnChangeSelection(this);
}

void TELDesigner::InvalidateSurface() {
    if (active_ && designControl_ && !SurfaceGoing()) designControl_->Invalidate();
}

bool TELDesigner::SurfaceGoing() const { return designControl_ && (designControl_->ComponentState() & csDestroying); }

bool TELDesigner::HasFocus() const {
    return (designPanel_ && designPanel_->Focused()) || (designControl_ && designControl_->Focused());
}

void TELDesigner::FocusChanged() { InvalidateSurface(); }

// IFormDesigner.

void TELDesigner::Modified() { FlushOutsideChange(); }

std::vector<TComponent*> TELDesigner::GetSelection() const {
    return {selection_.Controls().begin(), selection_.Controls().end()};
}

void TELDesigner::SetSelection(const std::vector<TComponent*>& components) {
    std::vector<TControl*> controls;
    for (TComponent* component : components)
        if (auto* control = dynamic_cast<TControl*>(component)) controls.push_back(control);
    selection_.Assign(controls);
}

std::string TELDesigner::UniqueName(const std::string& className) { return io_.MakeUniqueName(className); }

// IDesignerHook: what changes outside the engine's own actions is one change once it ends.

void TELDesigner::NoteOutsideChange() {
    if (!restoring_ && changeDepth_ == 0) outsideChange_ = true;
}

void TELDesigner::ComponentInserted(TComponent&) { NoteOutsideChange(); }

void TELDesigner::ComponentRemoved(TComponent& component) {
    ControlGone(&component);
    NoteOutsideChange();
}

void TELDesigner::ComponentRenamed(TComponent&, const std::string&) { NoteOutsideChange(); }

void TELDesigner::PropertyChanged(TComponent&, const std::string&) { NoteOutsideChange(); }

// Locks.

TELDesignerLockMode TELDesigner::GetLockMode(const TControl* control) const {
    const auto found = locks_.find(control);
    return found == locks_.end() ? 0 : found->second;
}

bool TELDesigner::Locked(const TControl* control, TELDesignerLockKind kind) const {
    return (GetLockMode(control) & LockModeOf(kind)) != 0;
}

void TELDesigner::LockControl(TControl* control, TELDesignerLockMode add, TELDesignerLockMode remove) {
    if (!IsDesigned(control)) return;
    const TChangeScope change(*this);
    const auto mode = static_cast<TELDesignerLockMode>((GetLockMode(control) | add) & ~remove);
    if (mode == 0) {
        locks_.erase(control);
    } else {
        locks_[control] = mode;
        Watch(control);
    }
    InvalidateSurface();
}
