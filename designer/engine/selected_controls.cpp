#include "selected_controls.h"

#include <algorithm>

#include "designer.h"
#include "support/framework/exceptions.h"

TControl* TELDesignerSelectedControls::GetItems(int index) const {
    if (index < 0 || index >= GetCount())
        throw EListError("Selection index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

bool TELDesignerSelectedControls::Contains(const TControl* control) const { return members_.count(control) > 0; }

void TELDesignerSelectedControls::Add(TControl* control) {
    if (!designer_.IsDesigned(control) || Contains(control)) return;
    BeginUpdate();
    // The surface is selected alone; a child takes its place.
    const bool surface = control == designer_.GetDesignControl();
    if (surface || (!items_.empty() && items_.front() == designer_.GetDesignControl())) Clear();
    items_.push_back(control);
    members_.insert(control);
    designer_.Watch(control);
    Changed();
    EndUpdate();
}

void TELDesignerSelectedControls::Remove(TControl* control) {
    if (Forget(control)) Changed();
}

bool TELDesignerSelectedControls::Forget(const TControl* control) {
    if (!members_.erase(control)) return false;
    items_.erase(std::find(items_.begin(), items_.end(), control));
    return true;
}

void TELDesignerSelectedControls::Clear() {
    if (items_.empty()) return;
    items_.clear();
    members_.clear();
    Changed();
}

void TELDesignerSelectedControls::ClearExcept(TControl* control) {
    if (items_.size() == 1 && items_.front() == control) return;
    BeginUpdate();
    Clear();
    if (control) Add(control);
    EndUpdate();
}

void TELDesignerSelectedControls::Assign(const std::vector<TControl*>& controls) {
    if (controls == items_) return;
    BeginUpdate();
    Clear();
    for (TControl* control : controls) Add(control);
    EndUpdate();
}

void TELDesignerSelectedControls::SelectAll() {
    TWinControl* surface = designer_.GetDesignControl();
    if (!surface) return;
    std::vector<TControl*> all;
    all.reserve(static_cast<size_t>(surface->ControlCount()));
    for (int i = 0; i < surface->ControlCount(); ++i) all.push_back(surface->Controls(i));
    Assign(all);
}

void TELDesignerSelectedControls::Changed() {
    changed_ = true;
    if (updating_ == 0) {
        changed_ = false;
        designer_.SelectionChanged();
    }
}

void TELDesignerSelectedControls::EndUpdate() {
    if (--updating_ == 0 && changed_) {
        changed_ = false;
        designer_.SelectionChanged();
    }
}
