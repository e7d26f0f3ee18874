// The rows an object inspector shows: one per property editor of the selected objects, with
// the rows of sub-objects and set elements below an expanded row. It keeps the values the
// rows show, which names are hidden or shown under another name, and which rows a filter lets
// through. It only displays; the editors read and write the values.
#pragma once
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/design/property_editor.h"
#include "support/framework/text_case.h"

class TStrings;

struct TInspectorRow {
    std::unique_ptr<TPropertyEditor> Editor;
    TInspectorRow* Parent = nullptr;
    // The row's place in the tree: the property path, a set element's name after its set's.
    std::string Path;
    std::string Name;     // the property's own name
    std::string Caption;  // what the name column shows: the alias, or the name
    int Level = 0;
    bool Expandable = false;
    bool Expanded = false;
    // The value of the first object; blank when the objects hold different values.
    std::string Value;
    bool ValueShown = true;
    std::vector<std::unique_ptr<TInspectorRow>> Children;  // made when the row expands

    bool Has(TPropertyAttribute attribute) const { return Editor->GetAttributes().Contains(attribute); }
};

// How the rows are chosen and named.
struct TInspectorRowOptions {
    const TStrings* Hidden = nullptr;   // property names (or sub-property paths) left out
    const TStrings* Aliases = nullptr;  // "Name=Display name" (or "Font.Color=...")
    bool Sorted = false;
    // Expanding a row collapses its expanded siblings.
    bool AutoCollapse = false;
};

class TInspectorRows {
public:
    // Rebuilds the rows for these objects (their common properties); rows that were expanded
    // and still exist expand again.
    void Build(IFormDesigner* designer, const std::vector<TObject*>& objects, const TInspectorRowOptions& options);
    void Clear();

    // Expands or collapses a row; false when the row cannot expand.
    bool SetExpanded(TInspectorRow& row, bool expanded);
    void CollapseAll();

    // Filters the visible rows by part of a property's name or caption (any letter case);
    // the rows above a match stay visible, so that it is seen where it belongs.
    void SetFilter(const std::string& text);
    const std::string& Filter() const { return filter_; }

    // The rows as shown, top to bottom.
    const std::vector<TInspectorRow*>& Visible() const { return visible_; }
    int IndexOf(const TInspectorRow* row) const;
    // By path, or a top-level row by name; any letter case; null when there is none.
    TInspectorRow* Find(const std::string& pathOrName) const;
    // Makes the row of that path exist by expanding its ancestors; null when there is none.
    TInspectorRow* Reveal(const std::string& path);

    // Reads every row's value again.
    void UpdateValues();
    static void ReadValue(TInspectorRow& row);

private:
    std::unique_ptr<TInspectorRow> MakeRow(std::unique_ptr<TPropertyEditor> editor, TInspectorRow* parent) const;
    std::vector<std::unique_ptr<TInspectorRow>> MakeRows(std::vector<std::unique_ptr<TPropertyEditor>> editors,
                                                         TInspectorRow* parent) const;
    void Collapse(TInspectorRow& row);
    void RebuildVisible();
    bool Matches(const TInspectorRow& row) const;
    void ForEach(const std::function<void(TInspectorRow&)>& visit);

    std::vector<std::unique_ptr<TInspectorRow>> rows_;
    std::vector<TInspectorRow*> visible_;
    TInspectorRowOptions options_;
    std::set<std::string, TTextLess> expandedPaths_;
    std::string filter_;
};

// The text after "name=" in a list of "name=value" lines (any letter case of the name).
bool FindNamedValue(const TStrings* list, const std::string& name, std::string& value);
