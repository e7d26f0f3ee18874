// The dialog that reports the errors no handler caught: thrown errors that reach the message
// loop or the program's entry, and processor faults. It shows the message and the class and,
// as its options ask, writes a report with the call stack to a file beside the program.
#pragma once
#include <functional>
#include <string>

#include "exception_report.h"
#include "support/framework/component.h"
#include "support/framework/set.h"

enum TExceptionOption {
    vclxEnabled,         // the dialog takes over the reporting of unhandled errors
    vclxDumpToFile,      // each report is added to the report file
    vclxReadCode,        // the code bytes at the place of the error
    vclxLoadExports,     // frames are named by the nearest exported function of their module
    vclxLoadLocals,      // the processor registers of a fault
    vclxDisasmCode,      // the code bytes before each return address of the call stack
    vclxPrintStackData,  // the raw stack from the stack pointer of a fault
    vclxPrintData,       // the memory a fault touched and the error's parameters
};
PENDREL_ENUM_TYPEINFO(TExceptionOption, "vclxEnabled", "vclxDumpToFile", "vclxReadCode", "vclxLoadExports",
                      "vclxLoadLocals", "vclxDisasmCode", "vclxPrintStackData", "vclxPrintData");
using TExceptionOptions = TSet<TExceptionOption>;

// Shows a report to the user: caption and the short text.
using TExceptionPresenter = std::function<void(const std::string& caption, const std::string& text)>;

class HExceptionDialog : public TComponent {
    PENDREL_CLASS(HExceptionDialog, TComponent)
public:
    explicit HExceptionDialog(TComponent* owner);
    ~HExceptionDialog() override;

    TExceptionOptions GetOptions() const { return options_; }
    // With vclxEnabled (outside the designer) the dialog becomes the program's reporter; the
    // last enabled one is the reporter, until it is disabled or destroyed.
    void SetOptions(TExceptionOptions value);
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    // Relative names lie beside the program; "" is the program's name with ".errors.txt".
    const std::string& GetReportFile() const { return reportFile_; }
    void SetReportFile(const std::string& value) { reportFile_ = value; }
    int GetShownFrames() const { return shownFrames_; }
    void SetShownFrames(int value) { shownFrames_ = value < 0 ? 0 : value; }
    std::string ReportPath() const;

    // Reports an error that reached the loop or the entry. Never throws.
    void ShowException(const std::exception& error);
    // Writes and shows a report that is already gathered. Never throws.
    void Deliver(TExceptionReport& report);

    void Loaded() override;

    // The process's reporter, null when no dialog is enabled.
    static HExceptionDialog* Active();
    // Replaces the message box of every dialog (tests, programs without a desktop); null restores it.
    static void SetPresenter(TExceptionPresenter presenter);

    // Runs after a report is written, before it is shown: Sender, the report text.
    TEvent<TObject*, const std::string&> OnReport;

private:
    void UpdateActivation();
    void WriteReport(const std::string& text, TExceptionReport& report);

    TExceptionOptions options_;
    std::string caption_ = "Application error";
    std::string reportFile_;
    int shownFrames_ = 8;
};
