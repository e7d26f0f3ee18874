#include "tab_control.h"

#include <algorithm>

#include "support/menus/image_list.h"

PENDREL_IMPLEMENT_CLASS(TCustomTabControl)

// The custom class publishes nothing: each final class publishes what its forms keep.
void TCustomTabControl::DeclareProperties(TClassBuilder<TCustomTabControl>&) {}

namespace {
// Without a window the display area is estimated from a tab row of this height.
constexpr int kEstimatedTabRow = 22;
constexpr int kFrame = 4;
}  // namespace

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner), tabs_(std::make_unique<TStrings>()) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    SetParentColor(true);
    tabs_->OnChange = [this](TObject*) { TabsChanged(); };
}

TCustomTabControl::~TCustomTabControl() {
    // The window goes while the tabs it shows are still there.
    DestroyHandle();
    tabs_->OnChange = nullptr;
}

void TCustomTabControl::SetTabIndex(int value) {
    if (value == tabIndex_ || value < -1 || value >= tabs_->Count()) return;
    tabIndex_ = value;
    Invalidate();
}

void TCustomTabControl::TabsChanged() {
    tabIndex_ = std::min(tabIndex_, tabs_->Count() - 1);
    Invalidate();
    Realign();  // the rows of tabs may have changed
}

void TCustomTabControl::SetImages(TImageList* value) {
    if (value == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = value;
    if (images_) images_->FreeNotification(this);
    Invalidate();
}

int TCustomTabControl::TabImageIndex(int tabIndex) const {
    int imageIndex = tabIndex;
    OnGetImageIndex(const_cast<TCustomTabControl*>(this), tabIndex, imageIndex);
    return imageIndex;
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        Invalidate();
    }
}

void TCustomTabControl::LookChanged() {
    if (HandleAllocated()) {
        DestroyHandle();
        HandleNeeded();
    }
    Realign();
}

const ITabControlWindow* TCustomTabControl::Window() const { return dynamic_cast<const ITabControlWindow*>(Peer()); }

TRect TCustomTabControl::DisplayRect() const {
    if (const ITabControlWindow* window = Window()) return window->DisplayArea(GetWidth(), GetHeight());
    const int row = tabHeight_ > 0 ? tabHeight_ : kEstimatedTabRow;
    TRect area{kFrame, kFrame, std::max(kFrame, GetWidth() - kFrame), std::max(kFrame, GetHeight() - kFrame)};
    switch (tabPosition_) {
        case tpTop: area.Top = std::min(area.Bottom, area.Top + row); break;
        case tpBottom: area.Bottom = std::max(area.Top, area.Bottom - row); break;
        case tpLeft: area.Left = std::min(area.Right, area.Left + row); break;
        case tpRight: area.Right = std::max(area.Left, area.Right - row); break;
    }
    return area;
}

int TCustomTabControl::IndexOfTabAt(int x, int y) const {
    const ITabControlWindow* window = Window();
    return window ? window->TabAt({x, y}) : -1;
}

TRect TCustomTabControl::TabRect(int index) const {
    const ITabControlWindow* window = Window();
    if (!window || index < 0 || index >= tabs_->Count()) return {};
    return window->TabArea(index);
}

void TCustomTabControl::ActivateHint(TPoint screenPosition) {
    ITabControlWindow* window = Window();
    if (!window) return;
    if (GetHint().empty())
        window->HideHint();
    else
        window->ShowHintAt(GetHint(), screenPosition);
}

void TCustomTabControl::CancelHint() {
    if (ITabControlWindow* window = Window()) window->HideHint();
}

bool TCustomTabControl::CanChange() {
    bool allow = true;
    OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::SelectedInWindow(int index) {
    if (index < 0 || index >= tabs_->Count() || index == tabIndex_) return;
    tabIndex_ = index;
    Change();
}

void TCustomTabControl::DrawTab(int index, const TRect& area, bool active, void* drawingContext) {
    drawingContext_ = drawingContext;
    OnDrawTab(this, index, area, active);
    drawingContext_ = nullptr;
}

void TCustomTabControl::MouseDown(TMouseButton button, TShiftState shift, TPoint position) {
    TWinControl::MouseDown(button, shift, position);
    OnMouseDown(this, button, shift, position.X, position.Y);
}

void TCustomTabControl::MouseMove(TShiftState shift, TPoint position) {
    OnMouseMove(this, shift, position.X, position.Y);
}

void TCustomTabControl::MouseUp(TMouseButton button, TShiftState shift, TPoint position) {
    OnMouseUp(this, button, shift, position.X, position.Y);
    TWinControl::MouseUp(button, shift, position);  // last: a click may free the control
}

void TCustomTabControl::AdjustClientRect(TRect& area) { area = DisplayRect(); }

void TCustomTabControl::AlignControls(TRect& area) {
    AdjustClientRect(area);
    TWinControl::AlignControls(area);
}

// The display area is known only once the window is there.
void TCustomTabControl::CreateHandle() {
    TWinControl::CreateHandle();
    Realign();
}

PENDREL_IMPLEMENT_CLASS(TTabControl)

void TTabControl::DeclareProperties(TClassBuilder<TTabControl>& c) {
    DeclareTabControlCommonProperties(c);
    DeclareTabControlProperties(c);
    // The tabs come before the index that selects one of them.
    c.Property("Tabs", &TTabControl::GetTabs, &TTabControl::SetTabs);
    c.Property("TabIndex", &TTabControl::GetTabIndex, &TTabControl::SetTabIndex).Default(-1);
}
