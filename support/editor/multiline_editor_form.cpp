#include "multiline_editor_form.h"

#include "support/controls/bevel.h"
#include "support/controls/button.h"
#include "support/controls/memo.h"
#include "support/framework/class_registry.h"
#include "support/lib/format.h"

PENDREL_IMPLEMENT_CLASS(THMultilineEditorForm)

namespace {
// Virtual-key codes.
constexpr uint16_t kKeyReturn = 0x0D, kKeyEscape = 0x1B;
// The form's stored text names its class; the check of every stored form finds it by that name.
const bool kRegistered = (RegisterClass(THMultilineEditorForm::StaticClass()), true);
}  // namespace

void THMultilineEditorForm::DeclareProperties(TClassBuilder<THMultilineEditorForm>& c) {
    c.Component("Bevel1", &THMultilineEditorForm::Bevel1);
    c.Component("txtLines", &THMultilineEditorForm::txtLines);
    c.Component("Memo", &THMultilineEditorForm::Memo);
    c.Component("btnOk", &THMultilineEditorForm::btnOk);
    c.Component("btnClose", &THMultilineEditorForm::btnClose);
    c.Method("MemoChange", &THMultilineEditorForm::MemoChange);
    c.Method("FormKeyDown", &THMultilineEditorForm::FormKeyDown);
}

THMultilineEditorForm::THMultilineEditorForm(TComponent* owner) : TModalForm(owner) {}

void THMultilineEditorForm::Loaded() {
    TModalForm::Loaded();
    ShowCounters();
}

void THMultilineEditorForm::MemoChange(TObject*) { ShowCounters(); }

void THMultilineEditorForm::FormKeyDown(TObject*, uint16_t& key, TShiftState shift) {
    if (key == kKeyReturn && (shift & (ssCtrl | ssShift | ssAlt)) == ssCtrl) {
        SetModalResult(mrOk);
        key = 0;
    } else if (key == kKeyEscape && (shift & (ssCtrl | ssShift | ssAlt)) == 0) {
        SetModalResult(mrCancel);
        key = 0;
    }
}

void THMultilineEditorForm::ShowCounters() {
    // The memo may change while the form is still being read, before the label is there.
    if (!Memo || !txtLines) return;
    txtLines->SetCaption(EditorCounterText(Memo->TextLength(), Memo->LineCount()));
}

std::string EditorCounterText(int characters, int lines) { return Message("Символов: %4d Строк: %3d", characters, lines); }
