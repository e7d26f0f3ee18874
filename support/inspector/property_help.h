// The pane below the inspector that names the active property and describes it, from a table
// of "Name=Sentence" lines; a sub-property is looked up by its path ("Font.Color").
#pragma once
#include <memory>
#include <string>

#include "support/framework/control.h"
#include "support/framework/strings.h"

class TObjectInspector;

class TPropertyHelp : public TControl {
    PENDREL_CLASS(TPropertyHelp, TControl)
public:
    explicit TPropertyHelp(TComponent* owner);
    ~TPropertyHelp() override;

    TObjectInspector* GetInspector() const { return inspector_; }
    void SetInspector(TObjectInspector* inspector);
    TStrings* GetDescriptions() const { return descriptions_.get(); }
    void SetDescriptions(TStrings* descriptions) { descriptions_->Assign(descriptions); }

    // What the pane shows: the active row's caption and its description ("" when none).
    std::string Title() const;
    std::string Description() const;

    // Called by the inspector.
    void ActiveRowChanged() { Invalidate(); }
    void Notification(TComponent* component, TOperation operation) override;

private:
    TObjectInspector* inspector_ = nullptr;
    std::unique_ptr<TStrings> descriptions_;
};
