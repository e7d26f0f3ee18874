#include "object_inspector.h"

#include <algorithm>

#include "inspector_keys.h"
#include "property_help.h"

PENDREL_IMPLEMENT_CLASS(TObjectInspector)

void TObjectInspector::DeclareProperties(TClassBuilder<TObjectInspector>& c) {
    c.Property("Align", &TObjectInspector::GetAlign, &TObjectInspector::SetAlign).Default(alNone);
    c.Property("AutoCollapse", &TObjectInspector::GetAutoCollapse, &TObjectInspector::SetAutoCollapse).Default(false);
    c.Property("Aliases", &TObjectInspector::GetAliases, &TObjectInspector::SetAliases);
    c.Property("FixedColWidth", &TObjectInspector::GetFixedColWidth, &TObjectInspector::SetFixedColWidth).Default(110);
    c.Property("HiddenProperties", &TObjectInspector::GetHiddenProperties, &TObjectInspector::SetHiddenProperties);
    c.Property("RowHeight", &TObjectInspector::GetRowHeight, &TObjectInspector::SetRowHeight).Default(16);
    c.Property("Sorted", &TObjectInspector::GetSorted, &TObjectInspector::SetSorted).Default(false);
    c.Property("Visible", &TObjectInspector::GetVisible, &TObjectInspector::SetVisible).Default(true);
    c.Event("OnGetCellParams", &TObjectInspector::OnGetCellParams);
}

namespace {
constexpr int kFilterHeight = 20;
}  // namespace

TObjectInspector::TObjectInspector(TComponent* owner)
    : TWinControl(owner), filterBox_(new TInspectorEdit(this)), grid_(new TInspectorGrid(this)),
      hidden_(std::make_unique<TStrings>()), aliases_(std::make_unique<TStrings>()) {
    SetBounds(0, 0, 250, 300);
    SetColor(clBtnFace);
    filterBox_->SetHeight(kFilterHeight);
    filterBox_->SetAlign(alTop);
    filterBox_->SetHint("Filter");
    filterBox_->SetParent(this);
    grid_->SetAlign(alClient);
    grid_->SetParent(this);
    filterBox_->OnChange = [this](TObject*) {
        grid_->CommitEdit();
        const std::string active = GetActiveProperty();
        grid_->Rows().SetFilter(filterBox_->GetText());
        grid_->RowsChanged(active);
    };
    filterBox_->OnKey = [this](uint16_t& key, TShiftState) {
        if (key == kKeyEscape) filterBox_->SetText("");
        else if (key == kKeyDown || key == kKeyReturn) grid_->SetFocus();
        else return;
        key = 0;
    };
    grid_->OnGetCellParams = [this](TObject*, TPropertyEditor* editor, TFont* font, TColor& background) {
        OnGetCellParams(this, editor, font, background);
    };
    grid_->OnActiveRowChange = [this] { ActiveRowChanged(); };
    hidden_->OnChange = [this](TObject*) { OptionsChanged(); };
    aliases_->OnChange = [this](TObject*) { OptionsChanged(); };
}

TObjectInspector::~TObjectInspector() {
    grid_->OnActiveRowChange = nullptr;
    for (TComponent* component : components_) RemoveFreeNotification(component);
    // The help pane hears of the inspector's end through its free notification.
}

void TObjectInspector::SetDesigner(IFormDesigner* designer) {
    if (designer == Designer()) return;
    grid_->DropEdit();
    grid_->Designer().SetTarget(designer);
    Rebuild();
}

void TObjectInspector::SetControls(const std::vector<TComponent*>& components) {
    grid_->CommitEdit();
    std::vector<TComponent*> shown;
    for (TComponent* component : components)
        if (component && std::find(shown.begin(), shown.end(), component) == shown.end()) shown.push_back(component);
    for (TComponent* component : components_)
        if (std::find(shown.begin(), shown.end(), component) == shown.end() && component != help_)
            RemoveFreeNotification(component);
    components_ = std::move(shown);
    for (TComponent* component : components_) FreeNotification(component);
    grid_->DropEdit();
    Rebuild();
}

TInspectorRowOptions TObjectInspector::RowOptions() const {
    return {hidden_.get(), aliases_.get(), sorted_, autoCollapse_};
}

void TObjectInspector::Rebuild() {
    grid_->RequestRebuild([this] {
        const std::string active = GetActiveProperty();
        grid_->Rows().Build(&grid_->Designer(), std::vector<TObject*>(components_.begin(), components_.end()),
                            RowOptions());
        grid_->RowsChanged(active);
    });
}

void TObjectInspector::OptionsChanged() {
    grid_->CommitEdit();
    Rebuild();
}

void TObjectInspector::SetSorted(bool sorted) {
    if (sorted == sorted_) return;
    sorted_ = sorted;
    OptionsChanged();
}

void TObjectInspector::SetAutoCollapse(bool autoCollapse) {
    if (autoCollapse == autoCollapse_) return;
    autoCollapse_ = autoCollapse;
    OptionsChanged();
}

void TObjectInspector::SetHiddenProperties(TStrings* names) { hidden_->Assign(names); }

void TObjectInspector::SetAliases(TStrings* aliases) { aliases_->Assign(aliases); }

void TObjectInspector::CollapseAll() {
    grid_->CommitEdit();
    const std::string active = GetActiveProperty();
    grid_->Rows().CollapseAll();
    // The active row may have gone with its parent's collapse: its top-level row takes over.
    grid_->RowsChanged(active.substr(0, active.find('.')));
}

std::string TObjectInspector::GetActiveProperty() const {
    const TInspectorRow* row = grid_->ActiveRow();
    return row ? row->Path : std::string();
}

bool TObjectInspector::SetFocusToProperty(const std::string& pathOrName) {
    grid_->CommitEdit();
    TInspectorRow* row = grid_->Rows().Find(pathOrName);
    if (!row) {
        // Opening the rows above may close others, the active one's among them.
        const std::string active = GetActiveProperty();
        row = grid_->Rows().Reveal(pathOrName);
        grid_->RowsChanged(active);
    }
    if (!row || grid_->Rows().IndexOf(row) < 0) return false;
    grid_->SetActiveRow(row);
    return true;
}

void TObjectInspector::UpdateValues() { grid_->UpdateValues(); }

void TObjectInspector::SetHelpPane(TPropertyHelp* help) {
    if (help == help_) return;
    if (help_) RemoveFreeNotification(help_);
    help_ = help;
    if (help_) FreeNotification(help_);
}

void TObjectInspector::ActiveRowChanged() {
    if (help_) help_->ActiveRowChanged();
}

void TObjectInspector::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == help_) help_ = nullptr;
    const auto found = std::find(components_.begin(), components_.end(), component);
    if (found == components_.end()) return;
    // The component is half destroyed: the edit ends without touching it.
    components_.erase(found);
    grid_->DropEdit();
    Rebuild();
}
