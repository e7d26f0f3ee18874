// The open-forms list: opening, making, switching, committing and closing forms, and the
// texts that name them.
#include <windows.h>

#include <algorithm>

#include "components/config/storage_link.h"
#include "components/persistence/control_io.h"
#include "components/persistence/read_error_question.h"
#include "components/surface/design_panel.h"
#include "components/visual/messages/hi_info.h"
#include "designer/designer_settings.h"
#include "designer/engine/designer.h"
#include "main_form.h"
#include "support/controls/tab_control.h"
#include "support/framework/exceptions.h"
#include "support/gdi/bitmap.h"
#include "support/lib/format.h"
#include "support/lib/paths.h"
#include "support/lib/text_compare.h"
#include "support/win32/application.h"
#include "support/win32/wide_text.h"

namespace {
// The absolute form of a path as given on the command line or in a dialog.
std::string AbsolutePath(const std::string& path) {
    const std::wstring wide = Utf8ToWide(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (written == 0 || written >= size) return path;
    full.resize(written);
    return WideToUtf8(full);
}
}  // namespace

FormDocument* TMainForm::Form(int index) const {
    return index >= 0 && index < FormCount() ? forms_[static_cast<size_t>(index)].get() : nullptr;
}

int TMainForm::FindForm(const std::string& path) const {
    for (int i = 0; i < FormCount(); ++i)
        if (StrCmp(forms_[static_cast<size_t>(i)]->Path.c_str(), path.c_str(), -1, false) == 0) return i;
    return -1;
}

void TMainForm::OpenFormFile(const std::string& given) {
    if (given.empty()) return;
    const std::string path = AbsolutePath(given);
    const bool wasDesign = IsDesignMode();
    const int before = current_;
    if (const int found = FindForm(path); found >= 0) {
        SwitchToForm(found);
        return;
    }
    SetDesignMode(false);
    CommitForm(CurrentForm());
    ignoreAllReadErrors_ = false;
    const int at = current_ + 1;
    bool inserted = false;
    try {
        LoadNewForm(path);
        inserted = true;
        // The surface shows the new form already (the one before was committed above): it
        // becomes the current form without being read a second time.
        current_ = at;
        UpdateFormTabs();
        ShowLiveKeyLabels();
    } catch (const std::exception& error) {
        if (inserted) forms_.erase(forms_.begin() + at);
        current_ = -10;
        SwitchToForm(before);
        SetDesignMode(wasDesign && CurrentForm());
        ReportLoadFailure(path, error.what());
        return;
    }
    SetDesignMode(wasDesign && CurrentForm());
}

void TMainForm::LoadNewForm(const std::string& path) {
    DesignPlace->GetBackground()->Clear();
    cIO->Load(path);
    auto form = std::make_unique<FormDocument>();
    form->Path = path;
    form->HasFile = true;
    form->Modified = ignoreAllReadErrors_;
    WriteSurface(*form);
    forms_.insert(forms_.begin() + (current_ + 1), std::move(form));
}

void TMainForm::ReportLoadFailure(const std::string& path, const std::string& reason) {
    HiMessage(Application().Handle(), hiiError, "During load form:\n[%s]\nnext error happen:\n%s", path.c_str(),
              reason.c_str());
}

void TMainForm::NewForm() {
    auto form = std::make_unique<FormDocument>();
    form->Path = kNewFormPath;
    form->StreamCurrent = true;
    const int at = current_ + 1;
    forms_.insert(forms_.begin() + at, std::move(form));
    SwitchToForm(at);
}

void TMainForm::SwitchToForm(int index) {
    const bool wasDesign = IsDesignMode();
    if (index == current_) return;
    CommitForm(CurrentForm());
    SetDesignMode(false);
    current_ = std::max(-1, std::min(index, FormCount() - 1));
    UpdateFormTabs();
    bool loaded = false;
    if (FormDocument* form = CurrentForm()) {
        DesignPlace->GetBackground()->Clear();
        form->Stream->SetPosition(0);
        if (form->Stream->GetSize() > 0) {
            cIO->Load(form->Stream.get());
            loaded = true;
        }
    }
    if (!loaded) ClearSurface();
    if (loaded && wasDesign) {
        SetDesignMode(true);
    } else if (loaded) {
        ShowLiveKeyLabels();
    }
}

void TMainForm::ClearSurface() {
    DesignPlace->SetWidth(link_ ? link_->Read(kOSKWidth, kDefaultOSKWidth) : kDefaultOSKWidth);
    DesignPlace->SetHeight(link_ ? link_->Read(kOSKHeight, kDefaultOSKHeight) : kDefaultOSKHeight);
    HClearControl(DesignPlace);
}

void TMainForm::CommitForm(FormDocument* form) {
    if (!form || (form->StreamCurrent && form->HasFile)) return;
    WriteSurface(*form);
}

void TMainForm::WriteSurface(FormDocument& form) {
    form.Stream->Clear();
    cIO->SetTextOutput(link_ ? link_->Read(kTextForm, kDefaultTextForm) : kDefaultTextForm);
    cIO->Save(form.Stream.get());
    form.StreamCurrent = true;
}

bool TMainForm::CloseForm(int index, bool ask) {
    FormDocument* form = Form(index);
    if (!form) return true;
    if (form->Modified && ask && !AskSaveForm(form)) return false;
    if (index < pgForms->GetTabs()->Count()) pgForms->GetTabs()->Delete(index);
    forms_.erase(forms_.begin() + index);
    if (index < current_) {
        --current_;
        UpdateFormTabs();
    } else if (index == current_) {
        current_ = -10;
        SwitchToForm(index >= pgForms->GetTabs()->Count() ? pgForms->GetTabs()->Count() - 1 : index);
    }
    return true;
}

void TMainForm::SetModified(bool flag) {
    if (FormDocument* form = CurrentForm()) form->Modified = flag;
    UpdateFormTabs();
}

void TMainForm::UpdateFormTabs() {
    TStrings* tabs = pgForms->GetTabs();
    for (int i = 0; i < FormCount(); ++i) {
        const std::string caption = FormCaption(Form(i));
        if (i >= tabs->Count())
            tabs->Add(caption);
        else if (tabs->Strings(i) != caption)
            tabs->Put(i, caption);
    }
    while (tabs->Count() > FormCount()) tabs->Delete(tabs->Count() - 1);
    pgForms->SetTabIndex(current_);
}

std::string TMainForm::FormCaption(const FormDocument* form) const {
    return (form->Modified ? "[*] " : "") + FName(form->Path);
}

std::string TMainForm::FormInfoText(const FormDocument* form) const {
    return Message("Form %s: \"%s\"%s.\nData uses: %d byte in memory.", form->HasFile ? "file" : "name",
                   form->Path.c_str(), form->Modified ? " unsaved" : "", static_cast<int>(form->Stream->GetSize()));
}

void TMainForm::DesignChanged() {
    SetModified(true);
    if (FormDocument* form = CurrentForm()) form->StreamCurrent = false;
    RebuildComponentList();
}

void TMainForm::cIOReadError(TReader*, const std::string error, bool& handled) {
    if (ignoreAllReadErrors_) {
        handled = true;
        return;
    }
    switch (AskAboutReadError(Window(), error)) {
        case TReadErrorAnswer::Ignore:
            handled = true;
            break;
        case TReadErrorAnswer::IgnoreAll:
            ignoreAllReadErrors_ = true;
            handled = true;
            break;
        case TReadErrorAnswer::Stop:
            Abort();
        case TReadErrorAnswer::Other:
            break;
    }
}

void TMainForm::cIOComponentCreate(TObject*, TComponent* component) { SetKeyHost(component); }

// Menu and tab entries.

void TMainForm::New1Click(TObject*) { NewForm(); }

void TMainForm::Close1Click(TObject*) { CloseForm(current_, true); }

void TMainForm::idCloseAllClick(TObject*) {
    while (FormCount() > 0)
        if (!CloseForm(0, true)) return;
}

void TMainForm::Next1Click(TObject*) { SwitchToForm(current_ + 1 >= FormCount() ? 0 : current_ + 1); }

void TMainForm::Prev1Click(TObject*) { SwitchToForm(current_ < 1 ? FormCount() - 1 : current_ - 1); }

void TMainForm::idMRUClick(TObject* sender) {
    if (auto* item = dynamic_cast<TComponent*>(sender)) SwitchToForm(item->GetTag() - 451);
}

void TMainForm::BasePanelChange(TObject*) { SwitchToForm(pgForms->GetTabIndex()); }
