#include "win_control.h"

#include <algorithm>

#include "exceptions.h"

namespace {
TWindowPeerFactory& PeerFactory() {
    static TWindowPeerFactory factory;
    return factory;
}
}  // namespace

void SetWindowPeerFactory(TWindowPeerFactory factory) { PeerFactory() = std::move(factory); }

bool HasWindowSystem() { return static_cast<bool>(PeerFactory()); }

PENDREL_IMPLEMENT_CLASS(TWinControl)

void TWinControl::DeclareProperties(TClassBuilder<TWinControl>&) {}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Child controls go with their parent, whoever owns them; they see it going.
    SetState(csDestroying, true);
    while (!controls_.empty()) {
        TControl* last = controls_.back();
        RemoveControl(last);
        delete last;
    }
    peer_.reset();
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount()) throw EListError("Control index out of bounds (" + std::to_string(index) + ")");
    return controls_[static_cast<size_t>(index)];
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled) const {
    return ControlAtPos(pos, TControlAtPosOptions{allowDisabled});
}

TControl* TWinControl::ControlAtPos(TPoint pos, const TControlAtPosOptions& options) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!(options.AllowInvisible || c->GetVisible()) || !(options.AllowDisabled || c->GetEnabled()) ||
            !c->BoundsRect().Contains(pos))
            continue;
        auto* windowed = dynamic_cast<TWinControl*>(c);
        if (!options.AllLevels || !windowed) return c;
        TControl* inner = windowed->ControlAtPos(windowed->ScreenToClient(ClientToScreen(pos)), options);
        return inner ? inner : c;
    }
    return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    if (control->Parent() == this) return;
    if (control->Parent()) control->Parent()->RemoveControl(control);
    controls_.push_back(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) tabList_.push_back(windowed);
    control->parent_ = this;
    control->ParentFontChanged();
    control->ParentColorChanged();
    if (peer_) peer_->ChildAdded(*control);
    if (control->GetAlign() != alNone) Realign();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    control->Invalidate();
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->DestroyHandle();
    controls_.erase(it);
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
    if (hovered_ == control) hovered_ = nullptr;
    if (held_ == control) held_ = nullptr;
    control->parent_ = nullptr;
    if (control->GetAlign() != alNone) Realign();
}

void TWinControl::BringToFront(TControl* control) { MoveInChildOrder(control, true); }

void TWinControl::SendToBack(TControl* control) { MoveInChildOrder(control, false); }

void TWinControl::MoveInChildOrder(TControl* control, bool toTop) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    if (toTop)
        std::rotate(it, it + 1, controls_.end());
    else
        std::rotate(controls_.begin(), it, it + 1);
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->peer_)
        windowed->peer_->StackingChanged();
    control->Invalidate();
}

int TWinControl::GetTabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    TWinControl* parent = Parent();
    // While it is read its siblings may not all be there: the parent sorts when they are.
    if (ComponentState() & csLoading) {
        if (order >= 0) pendingTabOrder_ = order;
        return;
    }
    if (!parent || order < 0 || order == GetTabOrder()) return;
    auto& list = parent->tabList_;
    list.erase(std::find(list.begin(), list.end(), this));
    list.insert(list.begin() + std::min<size_t>(static_cast<size_t>(order), list.size()), this);
    PropertyChanged("TabOrder");
}

void TWinControl::Loaded() {
    TControl::Loaded();
    FixupTabList();
}

// The children read from a stream take the tab orders they were stored with.
void TWinControl::FixupTabList() {
    if (std::none_of(tabList_.begin(), tabList_.end(), [](const TWinControl* c) { return c->pendingTabOrder_ >= 0; }))
        return;
    std::vector<std::pair<int, TWinControl*>> keyed;
    for (size_t i = 0; i < tabList_.size(); ++i) {
        TWinControl* child = tabList_[i];
        keyed.emplace_back(child->pendingTabOrder_ >= 0 ? child->pendingTabOrder_ : static_cast<int>(i), child);
        child->pendingTabOrder_ = -1;
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i) tabList_[i] = keyed[i].second;
}

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::Realign() {
    if (alignDisabled_ > 0) return;
    TRect area = ClientRect();
    AlignControls(area);
}

void TWinControl::AlignControls(TRect& area) {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : controls_) {
            if (c->GetAlign() != align || !c->GetVisible()) continue;
            const int w = c->GetWidth(), h = c->GetHeight();
            switch (align) {
                case alTop: c->SetBounds(area.Left, area.Top, area.Right - area.Left, h); area.Top += h; break;
                case alBottom: area.Bottom -= h; c->SetBounds(area.Left, area.Bottom, area.Right - area.Left, h); break;
                case alLeft: c->SetBounds(area.Left, area.Top, w, area.Bottom - area.Top); area.Left += w; break;
                case alRight: area.Right -= w; c->SetBounds(area.Right, area.Top, w, area.Bottom - area.Top); break;
                default: c->SetBounds(area.Left, area.Top, area.Right - area.Left, area.Bottom - area.Top);
            }
        }
    }
}

void TWinControl::HandleNeeded() {
    if (peer_) return;
    if (Parent()) Parent()->HandleNeeded();
    if (peer_) return;  // the parent's creation made this window too
    CreateHandle();
}

void TWinControl::CreateHandle() {
    if (!PeerFactory()) throw EInvalidOperation("Control '" + GetName() + "' cannot have a window: no window system");
    peer_ = PeerFactory()(*this);
    for (TControl* c : controls_) peer_->ChildAdded(*c);
}

void* TWinControl::Handle() {
    HandleNeeded();
    return peer_->Handle();
}

void TWinControl::DestroyHandle() {
    for (TControl* c : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(c)) windowed->DestroyHandle();
    peer_.reset();
}

void TWinControl::ShowWindowCommand(bool show) {
    if (peer_) peer_->ShowWindow(show);
}

void TWinControl::ChangeScale(int multiplier, int divisor) {
    if (divisor == 0 || multiplier == divisor) return;
    DisableAlign();
    for (TControl* c : std::vector<TControl*>(controls_)) c->ChangeScale(multiplier, divisor);
    TControl::ChangeScale(multiplier, divisor);
    EnableAlign();
}

void TWinControl::InvalidateRect(const TRect& area) {
    if (!peer_) return;
    if (repaintHolds_ == 0) return peer_->Invalidate(&area);
    if (heldArea_.Left >= heldArea_.Right || heldArea_.Top >= heldArea_.Bottom) {
        heldArea_ = area;
        return;
    }
    heldArea_ = {std::min(heldArea_.Left, area.Left), std::min(heldArea_.Top, area.Top),
                 std::max(heldArea_.Right, area.Right), std::max(heldArea_.Bottom, area.Bottom)};
}

void TWinControl::Invalidate() {
    if (!peer_) return;
    if (repaintHolds_ == 0) return peer_->Invalidate(nullptr);
    repaintAll_ = true;
}

void TWinControl::ReleaseRepaints() {
    if (repaintHolds_ == 0 || --repaintHolds_ > 0) return;
    const TRect area = heldArea_;
    const bool all = repaintAll_;
    heldArea_ = {};
    repaintAll_ = false;
    if (!peer_) return;
    if (all)
        peer_->Invalidate(nullptr);
    else if (area.Left < area.Right && area.Top < area.Bottom)
        peer_->Invalidate(&area);
}

TPoint TWinControl::ClientOrigin() const {
    if (peer_) return peer_->ClientOrigin();
    return TControl::ClientOrigin();
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    for (TControl* c : controls_)
        if (c->Owner() == root) proc(c);
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* c : controls_) c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    for (TControl* c : controls_) c->ParentColorChanged();
}

void TWinControl::BoundsChanged() {
    if (peer_) peer_->BoundsChanged();
    Realign();
}

void TWinControl::VisibleChanged() {
    TControl::VisibleChanged();
    if (peer_) peer_->VisibleChanged();
}

void TWinControl::TextChanged() {
    if (peer_) peer_->TextChanged();
}

void TWinControl::EnabledChanged() {
    if (peer_) peer_->EnabledChanged();
}

void HClearControl(TWinControl* control) {
    if (!control) return;
    TRepaintHold hold(*control);
    while (control->ControlCount() > 0) delete control->Controls(0);
}
