// The system's file-open and file-save dialogs as components with stored options.
#pragma once
#include <windows.h>

#include <string>

#include "support/framework/component.h"
#include "support/framework/set.h"

enum TOpenOption : uint8_t { ofPathMustExist, ofFileMustExist, ofEnableSizing, ofOverwritePrompt };
PENDREL_ENUM_TYPEINFO(TOpenOption, "ofPathMustExist", "ofFileMustExist", "ofEnableSizing", "ofOverwritePrompt");
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
    PENDREL_CLASS(TOpenDialog, TComponent)
public:
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

    const std::string& GetDefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& value) { defaultExt_ = value; }
    // "Description|pattern|Description|pattern..."
    const std::string& GetFilter() const { return filter_; }
    void SetFilter(const std::string& value) { filter_ = value; }
    const std::string& GetTitle() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }
    const std::string& GetInitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& value) { initialDir_ = value; }
    const std::string& GetFileName() const { return fileName_; }
    void SetFileName(const std::string& value) { fileName_ = value; }
    TOpenOptions GetOptions() const { return options_; }
    void SetOptions(TOpenOptions value) { options_ = value; }

    // Shows the dialog; true with FileName set when the user picked a file.
    bool Execute(HWND owner);

protected:
    // The save dialog asks for a name to write to instead of a file to read.
    bool forSaving_ = false;

private:
    std::string defaultExt_, filter_, title_, initialDir_, fileName_;
    TOpenOptions options_;
};

class TSaveDialog : public TOpenDialog {
    PENDREL_CLASS(TSaveDialog, TOpenDialog)
public:
    explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) { forSaving_ = true; }
};
