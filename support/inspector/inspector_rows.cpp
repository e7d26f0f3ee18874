#include "inspector_rows.h"

#include <algorithm>

#include "support/design/property_editor_registry.h"
#include "support/framework/exceptions.h"
#include "support/framework/strings.h"

namespace {
bool Listed(const TStrings* list, const std::string& name) { return list && list->IndexOf(name) >= 0; }

bool ContainsText(const std::string& text, const std::string& part) {
    return LowerCase(text).find(LowerCase(part)) != std::string::npos;
}

// Set elements keep the order of their enumeration; everything else may be sorted.
bool IsSetElementList(const TInspectorRow* parent) {
    return parent && parent->Editor->Prop().Kind() == TTypeKind::tkSet;
}
}  // namespace

bool FindNamedValue(const TStrings* list, const std::string& name, std::string& value) {
    if (!list) return false;
    for (int i = 0; i < list->Count(); ++i) {
        const std::string& line = (*list)[i];
        const size_t equals = line.find('=');
        if (equals != std::string::npos && SameText(std::string_view(line).substr(0, equals), name)) {
            value = line.substr(equals + 1);
            return true;
        }
    }
    return false;
}

void TInspectorRows::Build(IFormDesigner* designer, const std::vector<TObject*>& objects,
                           const TInspectorRowOptions& options) {
    options_ = options;
    rows_.clear();
    visible_.clear();
    try {
        if (!objects.empty()) rows_ = MakeRows(GetComponentProperties(designer, objects), nullptr);
    } catch (const Exception&) {
        rows_.clear();  // a property no editor can show: nothing rather than half the rows
    }
    const std::set<std::string, TTextLess> expanded = std::move(expandedPaths_);
    expandedPaths_.clear();
    for (const std::string& path : expanded)
        if (TInspectorRow* row = Find(path)) SetExpanded(*row, true);
    RebuildVisible();
}

void TInspectorRows::Clear() {
    rows_.clear();
    visible_.clear();
}

std::unique_ptr<TInspectorRow> TInspectorRows::MakeRow(std::unique_ptr<TPropertyEditor> editor,
                                                       TInspectorRow* parent) const {
    auto row = std::make_unique<TInspectorRow>();
    row->Name = editor->GetName();
    row->Path = parent ? parent->Path + "." + row->Name : row->Name;
    row->Parent = parent;
    row->Level = parent ? parent->Level + 1 : 0;
    row->Editor = std::move(editor);
    row->Expandable = row->Has(TPropertyAttribute::paSubProperties);
    // Top-level rows answer to their name, rows below only to their whole path.
    if (!FindNamedValue(options_.Aliases, row->Path, row->Caption)) row->Caption = row->Name;
    ReadValue(*row);
    return row;
}

std::vector<std::unique_ptr<TInspectorRow>> TInspectorRows::MakeRows(
    std::vector<std::unique_ptr<TPropertyEditor>> editors, TInspectorRow* parent) const {
    std::vector<std::unique_ptr<TInspectorRow>> rows;
    for (auto& editor : editors) {
        auto row = MakeRow(std::move(editor), parent);
        if (!Listed(options_.Hidden, row->Path)) rows.push_back(std::move(row));
    }
    if (options_.Sorted && !IsSetElementList(parent))
        std::stable_sort(rows.begin(), rows.end(),
                         [](const auto& a, const auto& b) { return CompareText(a->Caption, b->Caption) < 0; });
    return rows;
}

void TInspectorRows::ReadValue(TInspectorRow& row) {
    try {
        row.ValueShown = row.Editor->AllEqual();
        row.Value = row.ValueShown ? row.Editor->GetValue() : std::string();
    } catch (const Exception& e) {
        // A getter that fails shows why instead of a value.
        row.ValueShown = true;
        row.Value = "(" + e.Message + ")";
    }
}

bool TInspectorRows::SetExpanded(TInspectorRow& row, bool expanded) {
    if (!row.Expandable) return false;
    if (expanded == row.Expanded) return true;
    if (!expanded) {
        Collapse(row);
    } else {
        if (options_.AutoCollapse) {
            const auto& siblings = row.Parent ? row.Parent->Children : rows_;
            for (const auto& sibling : siblings)
                if (sibling.get() != &row && sibling->Expanded) Collapse(*sibling);
        }
        try {
            row.Children = MakeRows(row.Editor->GetProperties(), &row);
        } catch (const Exception&) {
            row.Children.clear();  // the sub-object went away: nothing to show below
        }
        row.Expanded = true;
        expandedPaths_.insert(row.Path);
    }
    RebuildVisible();
    return true;
}

void TInspectorRows::Collapse(TInspectorRow& row) {
    row.Expanded = false;
    row.Children.clear();
    for (auto it = expandedPaths_.begin(); it != expandedPaths_.end();) {
        const std::string& path = *it;
        const bool below = path.size() >= row.Path.size() && SameText(std::string_view(path).substr(0, row.Path.size()), row.Path) &&
                           (path.size() == row.Path.size() || path[row.Path.size()] == '.');
        it = below ? expandedPaths_.erase(it) : std::next(it);
    }
}

void TInspectorRows::CollapseAll() {
    for (const auto& row : rows_) Collapse(*row);
    expandedPaths_.clear();
    RebuildVisible();
}

void TInspectorRows::SetFilter(const std::string& text) {
    if (text == filter_) return;
    filter_ = text;
    RebuildVisible();
}

bool TInspectorRows::Matches(const TInspectorRow& row) const {
    return filter_.empty() || ContainsText(row.Caption, filter_) || ContainsText(row.Name, filter_);
}

void TInspectorRows::RebuildVisible() {
    visible_.clear();
    // A row shows when it matches, lies below a match, or has a match below it.
    std::function<bool(TInspectorRow&, bool)> add = [&](TInspectorRow& row, bool underMatch) {
        const bool match = underMatch || Matches(row);
        const size_t at = visible_.size();
        visible_.push_back(&row);
        bool below = false;
        for (const auto& child : row.Children) below = add(*child, match) || below;
        if (!match && !below) visible_.resize(at);
        return match || below;
    };
    for (const auto& row : rows_) add(*row, false);
}

int TInspectorRows::IndexOf(const TInspectorRow* row) const {
    const auto found = std::find(visible_.begin(), visible_.end(), row);
    return found == visible_.end() ? -1 : static_cast<int>(found - visible_.begin());
}

TInspectorRow* TInspectorRows::Find(const std::string& pathOrName) const {
    std::function<TInspectorRow*(const std::vector<std::unique_ptr<TInspectorRow>>&)> search =
        [&](const std::vector<std::unique_ptr<TInspectorRow>>& rows) -> TInspectorRow* {
        for (const auto& row : rows) {
            if (SameText(row->Path, pathOrName)) return row.get();
            if (TInspectorRow* found = search(row->Children)) return found;
        }
        return nullptr;
    };
    return search(rows_);
}

TInspectorRow* TInspectorRows::Reveal(const std::string& path) {
    if (TInspectorRow* row = Find(path)) return row;
    // Expand the ancestors one step at a time: "Font" for "Font.Style", then "Font.Style".
    for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', dot + 1)) {
        TInspectorRow* ancestor = Find(path.substr(0, dot));
        if (!ancestor || !SetExpanded(*ancestor, true)) return nullptr;
    }
    return Find(path);
}

void TInspectorRows::ForEach(const std::function<void(TInspectorRow&)>& visit) {
    std::function<void(const std::vector<std::unique_ptr<TInspectorRow>>&)> walk =
        [&](const std::vector<std::unique_ptr<TInspectorRow>>& rows) {
            for (const auto& row : rows) {
                visit(*row);
                walk(row->Children);
            }
        };
    walk(rows_);
}

void TInspectorRows::UpdateValues() {
    ForEach([](TInspectorRow& row) { ReadValue(row); });
}
