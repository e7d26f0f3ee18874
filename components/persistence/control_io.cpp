#include "control_io.h"

#include <algorithm>
#include <memory>

#include "control_text.h"
#include "support/framework/scroll_box.h"
#include "support/framework/stream.h"
#include "support/framework/writer.h"
#include "support/lib/stream_files.h"

PENDREL_IMPLEMENT_CLASS(HCustomControlIO)

void HCustomControlIO::DeclareProperties(TClassBuilder<HCustomControlIO>&) {}

PENDREL_IMPLEMENT_CLASS(HControlIO)

void HControlIO::DeclareProperties(TClassBuilder<HControlIO>& c) {
    c.Property("Control", &HControlIO::GetControl, &HControlIO::SetControl);
    c.Property("TextOutput", &HControlIO::GetTextOutput, &HControlIO::SetTextOutput).Default(false);
    c.Property("WriteChilds", &HControlIO::GetWriteChilds, &HControlIO::SetWriteChilds).Default(true);
    c.Property("UseChildsList", &HControlIO::GetUseChildsList, &HControlIO::SetUseChildsList).Default(false);
    c.Property("ControlText", &HControlIO::GetControlText).Stored(false);
    c.Property("CompressContents", &HControlIO::GetCompressContents, &HControlIO::SetCompressContents).Default(true);
    c.Event("OnMakeUniqueName", &HControlIO::OnMakeUniqueName);
    c.Event("OnReadComponentData", &HControlIO::OnReadComponentData);
    c.Event("OnWriteComponentData", &HControlIO::OnWriteComponentData);
    c.Event("OnFindComponentClass", &HControlIO::OnFindComponentClass);
    c.Event("OnReadError", &HControlIO::OnReadError);
    c.Event("OnComponentCreate", &HControlIO::OnComponentCreate);
}

HCustomControlIO::HCustomControlIO(TComponent* owner) : TComponent(owner) {}

HCustomControlIO::~HCustomControlIO() = default;

void HCustomControlIO::Save(const AnsiString& fileName) {
    if (!control_) return;
    // A stream of its own: the data buffer carries the components' data blocks while saving.
    TMemoryStream content;
    Save(&content);
    HSaveStream(&content, fileName.c_str(), compressContents_);
}

void HCustomControlIO::Save(TStream* stream) {
    if (!control_) return;
    DOSave();
    controlStream_.SetPosition(0);
    if (textOutput_)
        RenderControlText(controlStream_, *stream);
    else
        controlStream_.SaveToStream(*stream);
}

TStrings* HCustomControlIO::GetControlText() {
    controlText_.Clear();
    if (!control_) return &controlText_;
    TMemoryStream text;
    const bool savedTextOutput = textOutput_;
    textOutput_ = true;
    try {
        Save(&text);
    } catch (...) {
        textOutput_ = savedTextOutput;
        throw;
    }
    textOutput_ = savedTextOutput;
    const char zeros[4] = {};
    text.WriteBuffer(zeros, 4);
    controlText_.SetTextBuf(reinterpret_cast<const char*>(text.Memory()));
    return &controlText_;
}

int HCustomControlIO::OperationalCount(TWinControl* control) {
    if (!control || !writeChilds_) return 0;
    if (!useChildsList_) return control->ControlCount();
    int count = 0;
    for (int i = 0; i < control->ControlCount(); ++i)
        if (InChildsList(control->Controls(i))) ++count;
    return count;
}

bool HCustomControlIO::InChildsList(TControl* control) const {
    return std::find(ChildsList.begin(), ChildsList.end(), control) != ChildsList.end();
}

void HCustomControlIO::DOSave() {
    if (!control_) return;
    auto* scrolling = dynamic_cast<TScrollingWinControl*>(control_);
    if (scrolling) {
        scrolling->GetHorzScrollBar()->SetPosition(0);
        scrolling->GetVertScrollBar()->SetPosition(0);
        // The stored range is the one the children need now, not the one of the last change of size.
        scrolling->UpdateAutoRange();
        scrolling->DisableAutoRange();
    }
    try {
        controlStream_.Clear();
        TWriter writer(controlStream_);
        writer.SetWriteChildren(false);
        // The container's handlers belong to the program that shows the layout, not to the layout.
        writer.SetWriteEvents(false);
        writer.WriteRootComponent(control_);
        writer.SetWriteEvents(true);
        WriteDataBlock(writer, control_);
        if (writeChilds_) {
            const int count = OperationalCount(control_);
            writer.WriteInt32(count);
            for (int i = 0; count != 0 && i < control_->ControlCount(); ++i) WriteControl(writer, control_->Controls(i));
        } else {
            writer.WriteInt32(0);
        }
    } catch (...) {
        if (scrolling) scrolling->EnableAutoRange();
        throw;
    }
    if (scrolling) scrolling->EnableAutoRange();
}

void HCustomControlIO::WriteControl(TWriter& writer, TControl* control) {
    if (useChildsList_ && !InChildsList(control)) return;
    writer.SetRoot(control_);
    writer.WriteSignature();
    writer.WriteComponent(control);
    WriteDataBlock(writer, control);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    const int count = OperationalCount(windowed);
    writer.WriteInt32(count);
    for (int i = 0; count != 0 && i < windowed->ControlCount(); ++i) WriteControl(writer, windowed->Controls(i));
}

void HCustomControlIO::WriteDataBlock(TWriter& writer, TComponent* component) {
    dataBuffer_.Clear();
    if (OnWriteComponentData) OnWriteComponentData(this, &dataBuffer_, component);
    const auto size = static_cast<int32_t>(dataBuffer_.GetSize());
    writer.WriteInt32(size);
    if (size != 0) writer.Write(dataBuffer_.Memory(), size);
}

AnsiString HCustomControlIO::MakeUniqueName(const AnsiString& base) {
    if (OnMakeUniqueName) {
        AnsiString result;
        OnMakeUniqueName(base, result);
        if (!result.empty()) return result;
    }
    const AnsiString stem = !base.empty() && (base[0] == 'T' || base[0] == 't') ? base.substr(1) : base;
    for (int number = 1;; ++number) {
        AnsiString name = stem + std::to_string(number);
        if (IsUniqueName(name)) return name;
    }
}

bool HCustomControlIO::IsUniqueName(const AnsiString& name) {
    if (!control_) return true;
    // The loaded components belong to the control, so a name must be free there as well as on the form.
    TWinControl* form = GetParentForm(control_);
    if (form && form->FindComponent(name)) return false;
    return !control_->FindComponent(name);
}

TWinControl* GetParentForm(TControl* control) {
    TWinControl* top = dynamic_cast<TWinControl*>(control);
    for (TWinControl* p = control ? control->Parent() : nullptr; p; p = p->Parent()) top = p;
    return top && top->IsForm() ? top : nullptr;
}
