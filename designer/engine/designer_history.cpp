// Changes of the design and their undoing: every user action ends in one snapshot of the
// layout's text form, compared with the one before, so that an action that changed nothing
// leaves no step and reports no change.
#include <unordered_map>

#include "design_drag.h"
#include "designer.h"
#include "support/framework/stream.h"

TELDesigner::TChangeScope::TChangeScope(TELDesigner& designer, std::string mergeKey)
    : designer_(designer), mergeKey_(std::move(mergeKey)) {
    if (designer_.changeDepth_ == 0) designer_.FlushOutsideChange();
    ++designer_.changeDepth_;
}

TELDesigner::TChangeScope::~TChangeScope() {
    if (--designer_.changeDepth_ > 0) return;
    try {
        designer_.CommitChange(mergeKey_);
    } catch (...) {
        // A snapshot that cannot be written leaves the history one step short; the design
        // itself is as the action left it.
    }
}

std::vector<std::string> TELDesigner::SelectionNames() const {
    std::vector<std::string> names;
    names.reserve(selection_.Controls().size());
    for (const TControl* control : selection_.Controls())
        names.push_back(control == designControl_ ? std::string() : control->GetName());
    return names;
}

TDesignState TELDesigner::CaptureState() const {
    TDesignState state;
    if (!active_ || !designControl_) return state;
    TMemoryStream text;
    const_cast<HControlIO&>(io_).Save(&text);
    state.Text.assign(reinterpret_cast<const char*>(text.Memory()), static_cast<size_t>(text.GetSize()));
    state.Selection = SelectionNames();
    for (int i = 0; i < designControl_->ControlCount(); ++i) {
        const TControl* child = designControl_->Controls(i);
        if (const TELDesignerLockMode mode = GetLockMode(child)) state.Locks.emplace_back(child->GetName(), mode);
    }
    return state;
}

void TELDesigner::CommitChange(const std::string& mergeKey) {
    if (!active_) return;
    TDesignState now = CaptureState();
    const TDesignState& before = history_.Current();
    if (now.Text == before.Text && now.Locks == before.Locks) return;
    history_.Record(std::move(now), mergeKey);
    OnChange(this);
}

void TELDesigner::FlushOutsideChange() {
    if (!outsideChange_) return;
    outsideChange_ = false;
    history_.Seal();
    CommitChange({});
}

bool TELDesigner::CanUndo() {
    FlushOutsideChange();
    return active_ && history_.CanUndo();
}

bool TELDesigner::CanRedo() const { return active_ && history_.CanRedo() && !outsideChange_; }

void TELDesigner::Undo() {
    if (!CanUndo()) return;
    RestoreState(history_.Undo());
}

void TELDesigner::Redo() {
    if (!CanRedo()) return;
    RestoreState(history_.Redo());
}

// The surface is read back from the snapshot; the controls are new ones, so the selection
// and the locks are found again by name.
void TELDesigner::RestoreState(const TDesignState& state) {
    CancelDrag();
    selection_.items_.clear();
    selection_.members_.clear();
    locks_.clear();
    restoring_ = true;
    try {
        io_.LoadFromText(state.Text.c_str());
    } catch (...) {
        restoring_ = false;
        SelectionChanged();
        throw;
    }
    restoring_ = false;
    std::unordered_map<std::string, TControl*> byName;
    for (int i = 0; i < designControl_->ControlCount(); ++i) {
        TControl* child = designControl_->Controls(i);
        if (!child->GetName().empty()) byName.emplace(child->GetName(), child);
    }
    for (const auto& [name, mode] : state.Locks)
        if (const auto found = byName.find(name); found != byName.end()) {
            locks_[found->second] = mode;
            Watch(found->second);
        }
    AnnounceChildren();
    selection_.BeginUpdate();
    for (const std::string& name : state.Selection) {
        if (name.empty()) selection_.Add(designControl_);
        if (const auto found = byName.find(name); found != byName.end()) selection_.Add(found->second);
    }
    selection_.changed_ = true;  // the controls are new even where the names are the same
    selection_.EndUpdate();
    OnChange(this);
}

void TELDesigner::AnnounceChildren() {
    for (int i = 0; i < designControl_->ControlCount(); ++i) OnControlInserted(this, designControl_->Controls(i));
}
