// The commands around the design: the layout as plain text, the tool windows, the error
// window, the settings' save, and the error test; and the design-mode keys of the window.
#include "components/config/cfg_storage.h"
#include "components/persistence/control_io.h"
#include "components/surface/design_panel.h"
#include "components/visual/dock97/h_tool_window97.h"
#include "components/visual/messages/hi_info.h"
#include "designer/configuration_dialog.h"
#include "designer/engine/designer.h"
#include "designer/engine/designer_panel.h"
#include "designer/engine/selected_controls.h"
#include "support/dialogs/questions.h"
#include "support/editor/text_editor.h"
#include "support/framework/exceptions.h"
#include "support/framework/strings.h"
#include "support/inspector/object_inspector.h"
#include "main_form.h"

void TMainForm::mnuTextEditClick(TObject*) {
    FormDocument* form = CurrentForm();
    if (!form || !IsDesignMode()) return;
    TStrings lines;
    lines.Assign(cIO->GetControlText());
    if (!HTextEditor(&lines, FormCaption(form), 0)) return;
    // The stream holds the form as it was, for an edited text that does not read.
    CommitForm(form);
    SetDesignMode(false);
    ignoreAllReadErrors_ = false;
    try {
        cIO->LoadFromStrings(&lines);
    } catch (const std::exception& error) {
        form->Stream->SetPosition(0);
        cIO->Load(form->Stream.get());
        SetDesignMode(true);
        HiMessage(Window(), hiiError, "The edited text of %s cannot be read, the form is as it was:\n%s",
                  form->Path.c_str(), error.what());
        return;
    }
    SetDesignMode(true);
    DesignChanged();
}

void TMainForm::Options1Click(TObject*) {
    if (link_ && RunConfiguration(this, *link_)) ApplyConfig();
}

void TMainForm::idToolSwitch(TObject*) { tbPalette->SetVisible(!tbPalette->GetVisible()); }

void TMainForm::Objectinspector1Click(TObject*) {
    if (IsDesignMode()) tbInspector->SetVisible(!tbInspector->GetVisible());
}

void TMainForm::N26Click(TObject*) { HiInfo::Activate(Window(), false); }

void TMainForm::N22Click(TObject*) {
    throw EInvalidOperation("Error test: this error is raised on purpose, to show the error report");
}

void TMainForm::mnuSaveCfgClick(TObject* sender) {
    if (sender && !AskYesNo(Window(), "Save programm settings?")) return;
    cfg->Save();
}

namespace {
// Keys typed on the design surface that start an edit in the inspector.
bool StartsAnEdit(WORD key) {
    return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || (key >= 0x6A && key <= 0x6F) || key == 0x92 ||
           (key >= 0xBA && key <= 0xC0) || (key >= 0xDB && key <= 0xDE) || key == 0xE2;
}
}  // namespace

bool TMainForm::DesignShortCut(WORD key, TShiftState shift) {
    const TShiftState modifiers = shift & (ssShift | ssCtrl | ssAlt);
    const bool onSurface = DesignPanel->Focused();
    const bool selection = designer->GetSelectedControls()->GetCount() > 0;
    if (onSurface && key == VK_INSERT && modifiers == ssCtrl) {
        if (selection) designer->CopyToClipboard();
        return true;
    }
    if (onSurface && key == VK_INSERT && modifiers == ssShift) {
        if (designer->CanPasteFromClipboard()) designer->PasteFromClipboard();
        return true;
    }
    if (onSurface && key == VK_DELETE && modifiers == ssShift) {
        if (selection) designer->CutToClipboard();
        return true;
    }
    if (!tbInspector->GetVisible() || modifiers != 0) return false;
    if (key == VK_F11) {
        if (onSurface)
            inspector->SetFocus();
        else
            DesignPanel->SetFocus();
        return true;
    }
    if (!onSurface || !StartsAnEdit(key)) return false;
    // The key goes again to the inspector, which starts editing the active row with it.
    inspector->SetFocus();
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    return true;
}
