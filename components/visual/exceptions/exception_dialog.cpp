#include "exception_dialog.h"

#include <vector>

#include "exception_capture.h"
#include "support/framework/class_builder.h"
#include "support/framework/stream.h"
#include "support/lib/atomic_file.h"
#include "support/lib/local_time.h"
#include "support/lib/paths.h"

PENDREL_IMPLEMENT_CLASS(HExceptionDialog)

namespace {
// The report file keeps the latest reports up to this size.
constexpr size_t kReportFileLimit = 1u << 20;

HExceptionDialog*& ActiveDialog() {
    static HExceptionDialog* active = nullptr;
    return active;
}

TExceptionPresenter& Presenter() {
    static TExceptionPresenter presenter;
    return presenter;
}

std::string ReadWholeFile(const std::string& path) {
    try {
        TFileStream file(path, TFileMode::OpenRead);
        const int64_t size = file.GetSize();
        if (size <= 0 || size > static_cast<int64_t>(kReportFileLimit) * 4) return {};
        std::string text(static_cast<size_t>(size), '\0');
        text.resize(static_cast<size_t>(file.Read(text.data(), static_cast<int32_t>(size))));
        return text;
    } catch (const std::exception&) {
        return {};
    }
}
}  // namespace

void HExceptionDialog::DeclareProperties(TClassBuilder<HExceptionDialog>& c) {
    using D = HExceptionDialog;
    c.Property("Caption", &D::GetCaption, &D::SetCaption).Default("Application error");
    c.Property("Options", &D::GetOptions, &D::SetOptions).Default(TExceptionOptions{});
    c.Property("ReportFile", &D::GetReportFile, &D::SetReportFile).Default("");
    c.Property("ShownFrames", &D::GetShownFrames, &D::SetShownFrames).Default(8);
    c.Event("OnReport", &D::OnReport);
}

HExceptionDialog::HExceptionDialog(TComponent* owner) : TComponent(owner) {}

HExceptionDialog::~HExceptionDialog() {
    if (ActiveDialog() != this) return;
    ActiveDialog() = nullptr;
    RemoveExceptionHooks();
}

void HExceptionDialog::SetOptions(TExceptionOptions value) {
    if (options_ == value) return;
    options_ = value;
    UpdateActivation();
}

void HExceptionDialog::Loaded() {
    TComponent::Loaded();
    UpdateActivation();
}

void HExceptionDialog::UpdateActivation() {
    const bool wanted = options_.Contains(vclxEnabled) && !Designing() && !IsLoading();
    if (wanted && ActiveDialog() != this) {
        ActiveDialog() = this;
        InstallExceptionHooks();
    } else if (!wanted && ActiveDialog() == this) {
        ActiveDialog() = nullptr;
        RemoveExceptionHooks();
    }
}

HExceptionDialog* HExceptionDialog::Active() { return ActiveDialog(); }

void HExceptionDialog::SetPresenter(TExceptionPresenter presenter) { Presenter() = std::move(presenter); }

std::string HExceptionDialog::ReportPath() const {
    if (!reportFile_.empty()) return MakeStartLocalPath(reportFile_);
    return GetStartupDir() + FNameOnly(GetModulePath()) + ".errors.txt";
}

void HExceptionDialog::ShowException(const std::exception& error) {
    try {
        TExceptionReport report;
        report.ClassName = ExceptionClassName(error);
        report.Message = error.what();
        CaptureThrowSite(report, options_, error);
        Deliver(report);
    } catch (...) {
        // The reporter of last resort must not fail in turn.
    }
}

void HExceptionDialog::Deliver(TExceptionReport& report) {
    try {
        if (report.Time.empty()) report.Time = LocalTimeStamp();
        if (report.Program.empty()) report.Program = GetModulePath();
        const std::string text = FormatExceptionReport(report);
        if (options_.Contains(vclxDumpToFile)) WriteReport(text, report);
        OnReport(this, text);
        std::string summary = ExceptionSummary(report, shownFrames_);
        for (const std::string& note : report.Notes) summary += "\n\n" + note;
        if (Presenter())
            Presenter()(caption_, summary);
        else
            ShowExceptionMessage(caption_, summary);
    } catch (...) {
        // As above: a report that cannot be made is lost, the program goes on.
    }
}

void HExceptionDialog::WriteReport(const std::string& text, TExceptionReport& report) {
    const std::string path = ReportPath();
    try {
        const std::string all = AppendReportText(ReadWholeFile(path), text, kReportFileLimit);
        AtomicWriteFile(path, all.data(), all.size());
        report.Notes.push_back("The report was written to " + path);
    } catch (const std::exception& error) {
        report.Notes.push_back(std::string("The report could not be written: ") + error.what());
    }
}
