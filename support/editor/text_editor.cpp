#include "text_editor.h"

#include <memory>

#include "multiline_editor_form.h"
#include "support/controls/form_resource.h"
#include "support/controls/memo.h"
#include "support/win32/module_instance.h"
#include "support/win32/window_peer.h"

namespace {
// The window the user worked in, if it is one of ours: the editor is modal to it.
TComponent* ActiveControl() {
    TWin32WindowPeer* peer = TWin32WindowPeer::FromHandle(GetActiveWindow());
    return peer ? &peer->Control() : nullptr;
}

// The form lives in this library's resources.
std::unique_ptr<THMultilineEditorForm> MakeEditor(const std::string& caption, int limit) {
    auto form = CreateForm<THMultilineEditorForm>(ActiveControl(), ModuleInstance());
    if (!caption.empty()) form->SetCaption(caption);
    if (limit != -1) form->Memo->SetMaxLength(limit);
    return form;
}

std::string WithLineFeeds(const std::string& crLfText) {
    std::string text;
    text.reserve(crLfText.size());
    for (size_t i = 0; i < crLfText.size(); ++i)
        if (crLfText[i] != '\r' || i + 1 >= crLfText.size() || crLfText[i + 1] != '\n') text += crLfText[i];
    return text;
}
}  // namespace

bool HTextEditor(std::string& text, const std::string& caption, int limit) {
    const auto form = MakeEditor(caption, limit);
    form->Memo->SetText(text);
    if (form->ShowModal() != mrOk) return false;
    text = WithLineFeeds(form->Memo->GetText());
    return true;
}

bool HTextEditor(TStrings* lines, const std::string& caption, int limit) {
    const auto form = MakeEditor(caption, limit);
    TStrings none;
    form->Memo->SetLines(lines ? lines : &none);
    if (form->ShowModal() != mrOk) return false;
    if (lines) lines->Assign(form->Memo->GetLines());
    return true;
}
