#include "inspector_designer.h"

std::vector<TComponent*> TInspectorDesigner::GetSelection() const {
    return target_ ? target_->GetSelection() : std::vector<TComponent*>();
}

void TInspectorDesigner::SetSelection(const std::vector<TComponent*>& components) {
    if (target_) target_->SetSelection(components);
}

std::string TInspectorDesigner::UniqueName(const std::string& className) {
    return target_ ? target_->UniqueName(className) : className + "1";
}

int TInspectorDesigner::TakeReports() {
    const int reports = reports_;
    reports_ = 0;
    return reports;
}
