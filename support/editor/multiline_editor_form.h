// The dialog of the multi-line text editor: a memo, a counter of its characters and lines,
// OK (also Ctrl+Enter) and close (also Esc). Its layout is the stored form text
// forms/multiline_editor_form.txt; make it with CreateForm.
#pragma once
#include "support/controls/key_event.h"
#include "support/controls/modal_form.h"

class TBevel;
class TButton;
class TLabel;
class TMemo;

class THMultilineEditorForm : public TModalForm {
    PENDREL_CLASS(THMultilineEditorForm, TModalForm)
public:
    explicit THMultilineEditorForm(TComponent* owner);

    void MemoChange(TObject* sender);
    void FormKeyDown(TObject* sender, uint16_t& key, TShiftState shift);
    void Loaded() override;

    TBevel* Bevel1 = nullptr;
    TLabel* txtLines = nullptr;
    TMemo* Memo = nullptr;
    TButton* btnOk = nullptr;
    TButton* btnClose = nullptr;

private:
    void ShowCounters();
};

// The counter text for a text of that many characters and lines.
std::string EditorCounterText(int characters, int lines);
