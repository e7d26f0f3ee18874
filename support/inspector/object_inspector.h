// The object inspector: the published properties of the components it is given, each shown
// and edited by the property editor chosen for it, below a filter box. With several
// components it shows the properties they have in common, a value only where all hold the
// same, and an edit applies to all of them. Every committed edit is one change of the
// designer (IFormDesigner::Modified); a component that is destroyed leaves the inspector at once.
#pragma once
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "inspector_grid.h"
#include "support/framework/strings.h"

class TPropertyHelp;

class TObjectInspector : public TWinControl {
    PENDREL_CLASS(TObjectInspector, TWinControl)
public:
    explicit TObjectInspector(TComponent* owner);
    ~TObjectInspector() override;

    // The designer whose editors edit and who hears of every change; null: edits still apply.
    void SetDesigner(IFormDesigner* designer);
    IFormDesigner* Designer() const { return grid_->Designer().Target(); }

    // Shows these components (null entries and repeats are left out).
    void SetControls(const std::vector<TComponent*>& components);
    // A list of controls, or of any other kind of component.
    template <class C>
        requires(std::is_base_of_v<TComponent, C> && !std::is_same_v<C, TComponent>)
    void SetControls(const std::vector<C*>& components) {
        SetControls(std::vector<TComponent*>(components.begin(), components.end()));
    }
    const std::vector<TComponent*>& GetControls() const { return components_; }

    void CollapseAll();
    // The path of the active row ("Font.Color"), or "" when none.
    std::string GetActiveProperty() const;
    // Makes the row of that path or name active, opening the rows above it; false when
    // there is none.
    bool SetFocusToProperty(const std::string& pathOrName);
    // Reads every shown value again: after changes made elsewhere (a drag on the form).
    void UpdateValues();

    int GetFixedColWidth() const { return grid_->FixedColWidth(); }
    void SetFixedColWidth(int width) { grid_->SetFixedColWidth(width); }
    int GetRowHeight() const { return grid_->RowHeight(); }
    void SetRowHeight(int height) { grid_->SetRowHeight(height); }
    bool GetSorted() const { return sorted_; }
    void SetSorted(bool sorted);
    bool GetAutoCollapse() const { return autoCollapse_; }
    void SetAutoCollapse(bool autoCollapse);
    // Property names left out, one a line; a sub-property by its path ("Font.Pitch").
    TStrings* GetHiddenProperties() const { return hidden_.get(); }
    void SetHiddenProperties(TStrings* names);
    // "Name=Display name" lines.
    TStrings* GetAliases() const { return aliases_.get(); }
    void SetAliases(TStrings* aliases);

    // Part of a property's name: only the rows that match show. Esc in the box clears it.
    const std::string& GetFilter() const { return filterBox_->GetText(); }
    void SetFilter(const std::string& text) { filterBox_->SetText(text); }

    TInspectorGrid& Grid() const { return *grid_; }
    TEdit& FilterBox() const { return *filterBox_; }
    // The pane that describes the active row; set by the pane itself.
    void SetHelpPane(TPropertyHelp* help);

    TInspectorCellParams OnGetCellParams;

    void Notification(TComponent* component, TOperation operation) override;

private:
    void Rebuild();
    void OptionsChanged();
    TInspectorRowOptions RowOptions() const;
    void ActiveRowChanged();

    TInspectorEdit* filterBox_;
    TInspectorGrid* grid_;
    std::vector<TComponent*> components_;
    std::unique_ptr<TStrings> hidden_;
    std::unique_ptr<TStrings> aliases_;
    bool sorted_ = false;
    bool autoCollapse_ = false;
    TPropertyHelp* help_ = nullptr;
};
