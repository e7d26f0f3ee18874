// Editing the active row: the in-place edit, the value list and the dialog, each through the
// row's property editor.
#include <algorithm>

#include "inspector_grid.h"
#include "inspector_list.h"
#include "support/framework/exceptions.h"

namespace {
TInspectorErrorReporter& ErrorReporter() {
    static TInspectorErrorReporter reporter;
    return reporter;
}
}  // namespace

void SetInspectorErrorReporter(TInspectorErrorReporter reporter) { ErrorReporter() = std::move(reporter); }

void TInspectorGrid::LoadEdit() {
    typed_ = false;
    followedTyping_ = false;
    loadedText_ = active_ ? active_->Value : std::string();
    loadedShown_ = !active_ || active_->ValueShown;
    if (edit_->GetText() != loadedText_) {
        loadingEdit_ = true;
        edit_->SetText(loadedText_);
        loadingEdit_ = false;
    }
    LayoutEdit();
}

void TInspectorGrid::EditTextChanged() {
    if (loadingEdit_ || !active_) return;
    typed_ = true;
    // Captions follow the typing where one text stands for all the objects.
    if (!active_->Has(TPropertyAttribute::paAutoUpdate) || !loadedShown_) return;
    try {
        active_->Editor->SetValue(edit_->GetText());
        followedTyping_ = true;
        TInspectorRows::ReadValue(*active_);
        Invalidate();
    } catch (const Exception&) {
        // Half-typed text may be no value yet; Enter reports it.
    }
}

bool TInspectorGrid::CommitEdit() {
    if (applying_ || !active_ || !typed_) return true;
    const std::string text = edit_->GetText();
    TPropertyEditor* editor = active_->Editor.get();
    return Apply([editor, text] { editor->SetValue(text); }, true);
}

void TInspectorGrid::RevertEdit() {
    DropDown(false);
    if (followedTyping_ && active_) {
        try {
            active_->Editor->SetValue(loadedText_);
        } catch (const Exception&) {
            // The value it had before the typing; a setter that refuses it leaves nothing to restore.
        }
    }
    if (active_) TInspectorRows::ReadValue(*active_);
    LoadEdit();
    Invalidate();
}

void TInspectorGrid::DropEdit() {
    typed_ = false;
    followedTyping_ = false;
    DropDown(false);
}

void TInspectorGrid::RequestRebuild(const std::function<void()>& rebuild) {
    if (applying_) pendingRebuild_ = rebuild;
    else rebuild();
}

bool TInspectorGrid::Apply(const std::function<void()>& change, bool changesValue) {
    if (!active_) return false;
    const std::string path = active_->Path;
    const std::string before = loadedText_;
    const bool beforeShown = loadedShown_;
    const unsigned generation = generation_;
    applying_ = true;
    designer_.TakeReports();
    std::string error;
    bool failed = false;
    try {
        change();
    } catch (const EAbort&) {
        failed = true;
    } catch (const std::exception& e) {
        failed = true;
        error = e.what();
    }
    const int reports = designer_.TakeReports();
    if (pendingRebuild_) {
        // The objects changed under the edit: show the new rows and forget the edit.
        const auto rebuild = std::move(pendingRebuild_);
        pendingRebuild_ = nullptr;
        applying_ = false;
        rebuild();
        if (!failed && designer_.Target()) designer_.Target()->Modified();
        return !failed;
    }
    if (failed) {
        if (generation == generation_) RevertEdit();
        if (!error.empty()) ReportError(error);  // still applying: the box taking the focus commits nothing
        applying_ = false;
        return false;
    }
    applying_ = false;
    rows_.UpdateValues();
    TInspectorRow* row = rows_.Find(path);
    const bool changed = reports > 0 || (row && (changesValue && !beforeShown)) ||
                         (row && (row->Value != before || row->ValueShown != beforeShown));
    if (row == active_) LoadEdit();
    Invalidate();
    // Last: the designer may show other objects or rows in answer.
    if (changed && designer_.Target()) designer_.Target()->Modified();
    return true;
}

void TInspectorGrid::ReportError(const std::string& message) {
    lastError_ = message;
    if (ErrorReporter()) ErrorReporter()(*this, message);
}

std::vector<std::string> TInspectorGrid::ListValues() const {
    std::vector<std::string> values;
    if (!active_ || !active_->Has(TPropertyAttribute::paValueList)) return values;
    try {
        active_->Editor->GetValues([&](const std::string& value) { values.push_back(value); });
    } catch (const Exception&) {
        return {};
    }
    if (active_->Has(TPropertyAttribute::paSortList)) std::stable_sort(values.begin(), values.end(), TTextLess());
    return values;
}

bool TInspectorGrid::DroppedDown() const { return list_->GetVisible(); }

void TInspectorGrid::DropDown(bool open) {
    if (!open) {
        if (list_->GetVisible()) list_->Hide();
        return;
    }
    const int index = rows_.IndexOf(active_);
    std::vector<std::string> values = ListValues();
    if (index < 0 || values.empty()) return;
    list_->SetItems(std::move(values), typed_ ? edit_->GetText() : active_->Value);
    const TRect value = ValueRect(index);
    const int height = list_->ShownItems() * rowHeight_ + 2;
    // Below the row when it fits, else above it when that fits, else as far down as it goes.
    int top = value.Bottom;
    if (top + height > GetHeight()) top = value.Top - height >= 0 ? value.Top - height : std::max(0, GetHeight() - height);
    list_->SetBounds(value.Left, top, value.Right - value.Left, height);
    list_->BringToFront();
    list_->Show();
}

void TInspectorGrid::ChooseValue(const std::string& value) {
    DropDown(false);
    if (!active_) return;
    loadingEdit_ = true;
    edit_->SetText(value);
    loadingEdit_ = false;
    typed_ = true;
    CommitEdit();
}

void TInspectorGrid::NextListValue() {
    const std::vector<std::string> values = ListValues();
    if (values.empty()) return;
    const auto current = std::find_if(values.begin(), values.end(),
                                      [&](const std::string& v) { return SameText(v, active_->Value); });
    const auto next = current == values.end() || std::next(current) == values.end() ? values.begin() : std::next(current);
    ChooseValue(*next);
}

void TInspectorGrid::RunDialog() {
    if (!active_ || !active_->Has(TPropertyAttribute::paDialog) || !CommitEdit() || !active_) return;
    TPropertyEditor* editor = active_->Editor.get();
    Apply([editor] { editor->Edit(); }, false);
}

void TInspectorGrid::UpdateValues() {
    rows_.UpdateValues();
    if (!typed_) LoadEdit();
    Invalidate();
}
