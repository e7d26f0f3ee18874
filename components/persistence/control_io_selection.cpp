// A selection of the container's controls in the text form, and such text read back into the
// container beside what it holds: what a designer's clipboard and undo keep.
#include "control_io.h"
#include "control_text.h"
#include "support/framework/exceptions.h"
#include "support/framework/reader.h"
#include "support/framework/writer.h"

AnsiString HCustomControlIO::SaveControlsText(const std::vector<TControl*>& controls) {
    if (!control_) return "";
    // Each entry is written as a child of the container: the root for references is the container.
    const bool savedUseChildsList = useChildsList_;
    useChildsList_ = false;
    TMemoryStream text;
    try {
        for (TControl* control : controls) {
            if (!control || control->Parent() != control_) continue;
            controlStream_.Clear();
            TWriter writer(controlStream_);
            writer.SetWriteChildren(false);
            WriteControl(writer, control);
            controlStream_.SetPosition(0);
            RenderControlText(controlStream_, text);
        }
    } catch (...) {
        useChildsList_ = savedUseChildsList;
        throw;
    }
    useChildsList_ = savedUseChildsList;
    return AnsiString(text.Bytes().begin(), text.Bytes().end());
}

std::vector<TControl*> HCustomControlIO::InsertControlsText(const AnsiString& text) {
    if (!control_) return {};
    TConstMemoryStream source(text.data(), static_cast<int64_t>(text.size()));
    TMemoryStream binary;
    ParseControlEntries(source, binary);
    binary.SetPosition(0);
    TReader reader(binary);
    PrepareReader(reader);
    reader.SetRoot(control_);
    return ReadInsertedControls(reader);
}

namespace {
// One entry of the container's own class holding children is a whole layout: its record and
// data are passed over, so that its children are read in its place.
void SkipWholeLayoutHeader(TReader& reader, const TWinControl& container) {
    TStream& stream = reader.Stream();
    const int64_t start = stream.GetPosition();
    if (reader.ReadInt32() != 1) return stream.SetPosition(start);
    reader.ReadSignature();
    if (!SameText(reader.PeekClassName(), container.ClassName())) return stream.SetPosition(start);
    reader.SkipComponentRecord();
    const int32_t dataLength = reader.ReadInt32();
    if (dataLength < 0 || dataLength > stream.Remaining()) throw EReadError("Invalid data length in control stream");
    stream.Seek(dataLength, TSeekOrigin::Current);
}
}  // namespace

std::vector<TControl*> HCustomControlIO::ReadInsertedControls(TReader& reader) {
    SkipWholeLayoutHeader(reader, *control_);
    TLinkNamesList renames;
    renameMap_ = &renames;
    const int before = control_->ControlCount();
    std::vector<TControl*> inserted;
    try {
        reader.BeginReferences();
        ReadControl(reader, control_, 0);
        reader.FixupReferences();
    } catch (...) {
        reader.EndReferences();
        renameMap_ = nullptr;
        // Nothing of a failed insertion stays.
        while (control_->ControlCount() > before) delete control_->Controls(control_->ControlCount() - 1);
        throw;
    }
    renameMap_ = nullptr;
    for (int i = before; i < control_->ControlCount(); ++i) {
        TControl* control = control_->Controls(i);
        control->SetDesigning(control_->Designing(), true);
        inserted.push_back(control);
    }
    return inserted;
}
