// Saves the child controls of one container, with the container's own published properties,
// as a layout, and rebuilds them from one.
#pragma once
#include <string>
#include <vector>

#include "link_names_list.h"
#include "support/framework/component.h"
#include "support/framework/event.h"
#include "support/framework/stream.h"
#include "support/framework/strings.h"
#include "support/framework/win_control.h"

class TReader;
class TWriter;
class TStream;

class HCustomControlIO : public TComponent {
    PENDREL_CLASS(HCustomControlIO, TComponent)
public:
    explicit HCustomControlIO(TComponent* owner);
    ~HCustomControlIO() override;

    void Load(const AnsiString& fileName);
    void Load(TStream* stream);
    // A layout among a module's RCDATA resources; only Windows programs have them.
    void LoadFromResourceID(void* instance, int resourceId);
    void LoadFromResourceName(void* instance, const AnsiString& resourceName);
    void LoadFromStrings(TStrings* strings);
    void LoadFromText(const char* text);
    void Save(const AnsiString& fileName);
    void Save(TStream* stream);

    // The layout in text form, one line per item; the list stays this component's own.
    TStrings* GetControlText();

    // A selection of the container's controls (its children, in the order given) as entries of
    // the text form, each with its own data and children: what copying and undo keep.
    AnsiString SaveControlsText(const std::vector<TControl*>& controls);
    // Reads entries of the text form into the container without clearing it, and returns the
    // controls made at its top level, in order. Names that clash get new unique ones, and
    // references among the read controls follow them. A whole layout (the container's own
    // class, with children) gives its children. Bad text raises its error and adds nothing.
    std::vector<TControl*> InsertControlsText(const AnsiString& text);
    AnsiString MakeUniqueName(const AnsiString& base);
    bool IsUniqueName(const AnsiString& name);
    int OperationalCount(TWinControl* control);

    TWinControl* GetControl() const { return control_; }
    void SetControl(TWinControl* value) { control_ = value; }
    bool GetTextOutput() const { return textOutput_; }
    void SetTextOutput(bool value) { textOutput_ = value; }
    bool GetWriteChilds() const { return writeChilds_; }
    void SetWriteChilds(bool value) { writeChilds_ = value; }
    bool GetUseChildsList() const { return useChildsList_; }
    void SetUseChildsList(bool value) { useChildsList_ = value; }
    bool GetCompressContents() const { return compressContents_; }
    void SetCompressContents(bool value) { compressContents_ = value; }

    // The controls that may be saved when UseChildsList is true.
    std::vector<TControl*> ChildsList;

    TEvent<const AnsiString&, AnsiString&> OnMakeUniqueName;
    TEvent<TObject*, TStream*, TComponent*> OnWriteComponentData;
    TEvent<TObject*, TStream*, TComponent*> OnReadComponentData;
    TEvent<TReader*, const AnsiString, TClass&> OnFindComponentClass;
    TEvent<TReader*, const AnsiString, bool&> OnReadError;
    TEvent<TObject*, TComponent*> OnComponentCreate;

protected:
    void DOSave();
    void WriteControl(TWriter& writer, TControl* control);
    void WriteDataBlock(TWriter& writer, TComponent* component);
    void DOLoad(TStream* stream);
    void ReadControl(TReader& reader, TComponent* component, int depth);
    void ReadDataBlock(TReader& reader, TComponent* component);
    void SkipControlEntry(TReader& reader, int depth);
    void idReaderSetName(TReader& reader, TComponent* component, AnsiString& name);
    void idReaderReferenceName(TReader& reader, AnsiString& name);

private:
    bool InChildsList(TControl* control) const;
    void ParseTextInto(TStream* text, TStream& binary);
    // The reader's hooks: names, references, errors and classes go through this component.
    void PrepareReader(TReader& reader);
    std::vector<TControl*> ReadInsertedControls(TReader& reader);

    // The control stream and the data block being built or read, the instance's own, so that
    // several instances (a document, the clipboard, undo) can stream at once.
    TMemoryStream controlStream_;
    TMemoryStream dataBuffer_;
    TStrings controlText_;
    TWinControl* control_ = nullptr;
    bool textOutput_ = false;
    bool writeChilds_ = true;
    bool useChildsList_ = false;
    bool compressContents_ = true;
    TLinkNamesList* renameMap_ = nullptr;  // exists while a load runs
};

class HControlIO : public HCustomControlIO {
    PENDREL_CLASS(HControlIO, HCustomControlIO)
public:
    using HCustomControlIO::HCustomControlIO;
};

// The topmost parent of the control when that is a form, else null.
TWinControl* GetParentForm(TControl* control);
