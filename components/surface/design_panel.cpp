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
    c.Property("Align", &HDesignPanel::GetAlign, &HDesignPanel::SetAlign).Default(alNone);
    c.Property("AutoScroll", &HDesignPanel::GetAutoScroll, &HDesignPanel::SetAutoScroll).Default(true);
    c.Property("Enabled", &HDesignPanel::GetEnabled, &HDesignPanel::SetEnabled).Default(true);
    c.Property("Font", &HDesignPanel::GetFont, &HDesignPanel::SetFont).Stored(&HDesignPanel::IsFontStored);
    c.Property("ParentColor", &HDesignPanel::GetParentColor, &HDesignPanel::SetParentColor).Default(false);
    c.Property("ParentFont", &HDesignPanel::GetParentFont, &HDesignPanel::SetParentFont).Default(true);
    c.Property("ShowHint", &HDesignPanel::GetShowHint, &HDesignPanel::SetShowHint).Default(false);
    c.Property("TabOrder", &HDesignPanel::GetTabOrder, &HDesignPanel::SetTabOrder).Default(-1);
    c.Property("TabStop", &HDesignPanel::GetTabStop, &HDesignPanel::SetTabStop).Default(false);
    c.Property("Visible", &HDesignPanel::GetVisible, &HDesignPanel::SetVisible).Default(true);
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
