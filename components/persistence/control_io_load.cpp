// Loading a layout into the container: parsing the text form, then reading the control stream.
#include <cstring>
#include <memory>

#include "control_io.h"
#include "control_text.h"
#include "support/framework/depth_guard.h"
#include "support/framework/reader.h"
#include "support/framework/scroll_box.h"
#include "support/framework/stream.h"
#include "support/lib/stream_files.h"

void HCustomControlIO::Load(const AnsiString& fileName) {
    if (!control_) return;
    TMemoryStream content;
    HLoadStream(&content, fileName.c_str());
    Load(&content);
}

void HCustomControlIO::Load(TStream* stream) {
    if (!IsTextControlStream(stream)) return DOLoad(stream);
    // Parsed into a stream of its own: a failed parse leaves the layout as it was.
    TMemoryStream binary;
    ParseTextInto(stream, binary);
    binary.SetPosition(0);
    DOLoad(&binary);
}

void HCustomControlIO::ParseTextInto(TStream* text, TStream& binary) {
    // Nothing of the layout changes before the text has been parsed completely.
    binary.SetSize(0);
    ParseControlText(*text, binary);
}

void HCustomControlIO::LoadFromStrings(TStrings* strings) {
    TMemoryStream text;
    const std::string content = strings ? strings->GetText() : std::string();
    text.WriteBuffer(content.data(), static_cast<int32_t>(content.size()));
    text.SetPosition(0);
    Load(&text);
}

void HCustomControlIO::LoadFromText(const char* text) {
    if (!text) text = "";
    TMemoryStream stream;
    stream.WriteBuffer(text, static_cast<int32_t>(std::strlen(text) + 1));
    stream.SetPosition(0);
    Load(&stream);
}

void HCustomControlIO::DOLoad(TStream* stream) {
    if (!control_ || !stream) return;
    auto* scrolling = dynamic_cast<TScrollingWinControl*>(control_);
    if (scrolling) {
        scrolling->GetHorzScrollBar()->SetPosition(0);
        scrolling->GetVertScrollBar()->SetPosition(0);
        scrolling->DisableAutoRange();
    }
    control_->DisableAlign();
    const TRepaintHold hold(*control_);
    TLinkNamesList renames;
    renameMap_ = &renames;
    const bool wasVisible = control_->GetVisible();
    const bool wasDesigning = control_->Designing();
    const bool hadWindow = control_->HandleAllocated();
    TReader reader(*stream);
    bool readingChildren = false;
    // Every way out of the load, error or not, gives back the state the load found.
    auto restore = [&] {
        if (readingChildren) {
            reader.EndReferences();
            control_->Loaded();
        }
        control_->SetVisible(wasVisible);
        control_->SetDesigning(wasDesigning, true);
        renameMap_ = nullptr;
        if (scrolling) scrolling->EnableAutoRange();
        control_->EnableAlign();
        if (hadWindow) control_->ShowWindowCommand(true);
    };
    try {
        PrepareReader(reader);
        // The container keeps its own name whatever name the layout stores for it.
        reader.SetKeepRootName(true);

        if (hadWindow)
            control_->ShowWindowCommand(false);
        else
            control_->SetVisible(false);
        HClearControl(control_);
        reader.ReadRootComponent(control_);
        ReadDataBlock(reader, control_);
        if (!hadWindow) control_->SetVisible(false);
        reader.BeginReferences();
        readingChildren = true;
        ReadControl(reader, control_, 0);
        reader.FixupReferences();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void HCustomControlIO::PrepareReader(TReader& reader) {
    reader.OnSetName = [this](TReader& r, TComponent* c, std::string& name) { idReaderSetName(r, c, name); };
    reader.OnReferenceName = [this](TReader& r, std::string& name) { idReaderReferenceName(r, name); };
    reader.OnError = [this](TReader& r, const std::string& message, bool& handled) { OnReadError(&r, message, handled); };
    reader.OnFindComponentClass = [this](TReader& r, const std::string& name, TClass& cls) { OnFindComponentClass(&r, name, cls); };
    reader.SetOwner(control_);
    reader.SetReadChildren(false);
}

void HCustomControlIO::ReadControl(TReader& reader, TComponent* component, int depth) {
    CheckNestingDepth(depth, "Controls nested too deeply");
    const int32_t count = reader.ReadInt32();
    for (int32_t i = 0; i < count; ++i) {
        reader.SetParent(component);
        reader.ReadSignature();
        TComponent* created = reader.ReadComponent();
        if (!created) {
            // The error hook passed over this component: pass over its data and children too.
            SkipControlEntry(reader, depth + 1);
            continue;
        }
        ReadDataBlock(reader, created);
        OnComponentCreate(this, created);
        ReadControl(reader, created, depth + 1);
    }
    component->Loaded();
}

void HCustomControlIO::SkipControlEntry(TReader& reader, int depth) {
    CheckNestingDepth(depth, "Controls nested too deeply");
    const int32_t length = reader.ReadInt32();
    if (length < 0 || length > reader.Stream().Remaining()) throw EReadError("Invalid data length in control stream");
    reader.Stream().Seek(length, TSeekOrigin::Current);
    const int32_t count = reader.ReadInt32();
    for (int32_t i = 0; i < count; ++i) {
        reader.ReadSignature();
        reader.SkipComponentRecord();
        SkipControlEntry(reader, depth + 1);
    }
}

void HCustomControlIO::ReadDataBlock(TReader& reader, TComponent* component) {
    TMemoryStream& data = dataBuffer_;
    const int32_t length = reader.ReadInt32();
    if (length < 0 || length > reader.Stream().Remaining()) throw EReadError("Invalid data length in control stream");
    if (length != 0) {
        data.SetSize(length);
        data.SetPosition(0);
        reader.Read(data.Memory(), length);
        data.SetPosition(length);
    } else {
        data.Clear();
    }
    OnReadComponentData(this, &data, component);
}

void HCustomControlIO::idReaderSetName(TReader&, TComponent* component, AnsiString& name) {
    if (IsUniqueName(name)) return;
    const AnsiString newName = MakeUniqueName(component->ClassName());
    if (renameMap_) renameMap_->Add(name, newName);
    name = newName;
}

void HCustomControlIO::idReaderReferenceName(TReader&, AnsiString& name) {
    if (!renameMap_) return;
    const int index = renameMap_->IndexOf(name);
    if (index >= 0) name = renameMap_->DestName(index);
}
