// Saving forms to their files, the file dialogs, and the question before a changed form goes.
#include "components/config/storage_link.h"
#include "designer/designer_settings.h"
#include "main_form.h"
#include "support/dialogs/core/message_box_flags.h"
#include "support/dialogs/open_dialog.h"
#include "support/dialogs/xmessage_box.h"
#include "support/framework/exceptions.h"
#include "support/lib/paths.h"
#include "support/lib/stream_files.h"

namespace {
std::string DefaultFormFolder() { return MakeStartLocalPath(kDefaultFormFolder); }
}  // namespace

void TMainForm::SaveFormFile(FormDocument* form) {
    if (!form->HasFile) return;
    HSaveStream(form->Stream.get(), form->Path.c_str(), link_ ? link_->Read(kCompress, kDefaultCompress) : kDefaultCompress);
}

void TMainForm::SetPathAndSave(FormDocument* form, const std::string& path) {
    const bool hadFile = form->HasFile;
    form->HasFile = true;
    form->Path = path;
    try {
        SaveFormFile(form);
    } catch (...) {
        form->HasFile = hadFile;
        throw;
    }
    form->HasFile = hadFile;
}

void TMainForm::idSaveClick(TObject* sender) {
    FormDocument* form = CurrentForm();
    if (!form) return;
    if (!form->HasFile) return idSaveAsClick(sender);
    CommitForm(form);
    SaveFormFile(form);
    SetModified(false);
}

void TMainForm::idSaveAsClick(TObject*) {
    FormDocument* form = CurrentForm();
    if (!form) return;
    save->SetFileName(form->HasFile ? form->Path : "");
    save->SetInitialDir(link_->Read(kLastUsedFormPath, DefaultFormFolder()));
    if (!save->Execute(Window())) return;
    const std::string file = save->GetFileName();
    link_->Write(kLastUsedFormPath, FPath(file));
    CommitForm(form);
    form->HasFile = true;
    SetPathAndSave(form, file);
    SetModified(false);
}

void TMainForm::Open1Click(TObject*) {
    open->SetInitialDir(link_->Read(kLastUsedFormPath, DefaultFormFolder()));
    if (!open->Execute(Window())) return;
    const std::string file = open->GetFileName();
    link_->Write(kLastUsedFormPath, FPath(file));
    OpenFormFile(file);
}

bool TMainForm::AskSaveForm(FormDocument* form) {
    if (!form || !form->Modified) return true;
    CommitForm(form);
    const std::string text = FormInfoText(form) + "\n\nSave changes?";
    const int answer = XMessageBox(Window(), text.c_str(), "Data is changed...", XMB_YESNOCANCEL | XMB_ICONEXCLAMATION);
    if (answer == XMB_IDCANCEL) return false;
    if (answer == XMB_IDNO) return true;
    return SaveOrAskRepeat(*form);
}

bool TMainForm::AskSavePath(FormDocument& form, std::string& path) {
    save->SetFileName(form.HasFile ? form.Path : "");
    save->SetInitialDir(link_->Read(kLastUsedFormPath, DefaultFormFolder()));
    if (!save->Execute(Window())) return false;
    path = save->GetFileName();
    link_->Write(kLastUsedFormPath, MakeStartRelativePath(FPath(path)));
    return true;
}

bool TMainForm::SaveOrAskRepeat(FormDocument& form) {
    for (;;) {
        try {
            if (form.HasFile) {
                SaveFormFile(&form);
            } else {
                std::string path;
                if (!AskSavePath(form, path)) return false;
                SetPathAndSave(&form, path);
            }
            UpdateFormTabs();
            return true;
        } catch (const EAbort&) {
            throw;
        } catch (const std::exception&) {
            const std::string text = "Error saving form file:\n" + form.Path + "\nRepeat?";
            const int answer = XMessageBox(Window(), text.c_str(), "Error...", XMB_YESNOCANCEL | XMB_ICONERROR);
            if (answer == XMB_IDNO) return true;
            if (answer == XMB_IDCANCEL) return false;
        }
    }
}
