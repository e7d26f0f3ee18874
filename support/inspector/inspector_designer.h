// The designer the inspector's property editors see: it passes every request on to the real
// designer (which may be none) but only counts the editors' change reports, so that the
// inspector reports each of the user's edits to the real designer once.
#pragma once
#include "support/design/form_designer.h"

class TInspectorDesigner : public IFormDesigner {
public:
    void SetTarget(IFormDesigner* target) { target_ = target; }
    IFormDesigner* Target() const { return target_; }

    TComponent* Root() const override { return target_ ? target_->Root() : nullptr; }
    void Modified() override { ++reports_; }
    std::vector<TComponent*> GetSelection() const override;
    void SetSelection(const std::vector<TComponent*>& components) override;
    std::string UniqueName(const std::string& className) override;

    // How many change reports the editors made since the last call.
    int TakeReports();

private:
    IFormDesigner* target_ = nullptr;
    int reports_ = 0;
};
