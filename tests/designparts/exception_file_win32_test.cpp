// A program that fails leaves a report beside itself: the thrower next to this test fails
// on purpose, and the test reads what its exception dialog wrote. In this process, the
// dialog takes the errors the application would show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/visual/exceptions/exception_dialog.h"
#include "support/framework/exceptions.h"
#include "support/framework/stream.h"
#include "support/lib/paths.h"
#include "support/win32/application.h"
#include "support/win32/wide_text.h"

namespace {
struct TRunResult {
    DWORD ExitCode = 0;
    std::string Report;
};

std::string ReadFileText(const std::string& path) {
    try {
        TFileStream file(path, TFileMode::OpenRead);
        std::string text(static_cast<size_t>(file.GetSize()), '\0');
        file.ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
        return text;
    } catch (const std::exception&) {
        return {};
    }
}

TRunResult RunThrower(const std::string& mode, const std::string& reportName) {
    const std::string dir = GetStartupDir();
    DeleteFileW(Utf8ToWide(dir + reportName).c_str());
    std::wstring command = L"\"" + Utf8ToWide(dir + "exception_thrower.exe") + L"\" " + Utf8ToWide(mode + " " + reportName);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    TRunResult result;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "the thrower did not start";
        return result;
    }
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    GetExitCodeProcess(process.hProcess, &result.ExitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    result.Report = ReadFileText(dir + reportName);
    return result;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string LineOf(const std::string& text, const std::string& start) {
    const size_t at = text.find(start);
    return at == std::string::npos ? std::string() : text.substr(at, text.find('\n', at) - at);
}
}  // namespace

TEST(ExceptionReportOfAProgram, AThrownErrorIsReportedWithTheStackOfTheThrow) {
    const TRunResult run = RunThrower("throw", "thrown.errors.txt");
    EXPECT_EQ(run.ExitCode, 1u);
    ASSERT_FALSE(run.Report.empty());
    EXPECT_TRUE(Has(run.Report, "Class: (anonymous namespace)::EDiskFull")) << run.Report;
    EXPECT_TRUE(Has(run.Report, "Message: the disk is full"));
    // The frames of the throw, not of the entry that caught it, named from the export table.
    EXPECT_TRUE(Has(run.Report, "exception_thrower.exe!ThrowFromDeepInside+0x")) << run.Report;
    // The frames that raise the throw are left out: the report starts where the program threw.
    EXPECT_TRUE(Has(LineOf(run.Report, "#0 "), "ThrowFromDeepInside")) << run.Report;
    EXPECT_FALSE(Has(run.Report, "__cxa_throw"));
    // A frame outside every export is named by its module and offset, not by a far-away export.
    EXPECT_TRUE(Has(run.Report, "RunProgram(std::function<int ()> const&)+0x")) << run.Report;
    EXPECT_FALSE(Has(run.Report, "taken where the error was reported"));
    EXPECT_TRUE(Has(run.Report, "Code at the throw at 0x"));
}

TEST(ExceptionReportOfAProgram, AFaultIsReportedWithRegistersStackAndTheAddressTouched) {
    const TRunResult run = RunThrower("fault", "fault.errors.txt");
    EXPECT_EQ(run.ExitCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    ASSERT_FALSE(run.Report.empty());
    EXPECT_TRUE(Has(run.Report, "Class: EXCEPTION_ACCESS_VIOLATION")) << run.Report;
    EXPECT_TRUE(Has(run.Report, "Message: Access violation: write to address 0x0"));
    EXPECT_TRUE(Has(LineOf(run.Report, "#0 "), "exception_thrower.exe!WriteThroughNull+0x")) << run.Report;
    EXPECT_TRUE(Has(run.Report, "Registers:\n"));
    EXPECT_TRUE(Has(run.Report, "Stack at 0x"));
    // The null page cannot be read: the data dump says so instead of faulting again.
    EXPECT_TRUE(Has(run.Report, "Data at 0x0000000000000000:\n  (not readable)"));
}

TEST(ExceptionReportOfAProgram, ReportsOfSeveralRunsCollectInTheFile) {
    const std::string dir = GetStartupDir();
    RunThrower("throw", "twice.errors.txt");
    // A second run must not delete the first report: run it without the cleanup.
    std::wstring command = L"\"" + Utf8ToWide(dir + "exception_thrower.exe") + L"\" throw twice.errors.txt";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::string text = ReadFileText(dir + "twice.errors.txt");
    size_t count = 0;
    for (size_t at = text.find("==== Exception report"); at != std::string::npos; at = text.find("==== Exception report", at + 1))
        ++count;
    EXPECT_EQ(count, 2u);
}

namespace {
class InProcessDialog : public ::testing::Test {
protected:
    InProcessDialog() {
        HExceptionDialog::SetPresenter([this](const std::string&, const std::string& text) { shown.push_back(text); });
        dialog.OnReport = [this](TObject*, const std::string& text) { report = text; };
        dialog.SetOptions({vclxEnabled});
    }
    ~InProcessDialog() override { HExceptionDialog::SetPresenter(nullptr); }

    HExceptionDialog dialog{nullptr};
    std::vector<std::string> shown;
    std::string report;
};

TEST_F(InProcessDialog, TheApplicationsErrorsGoToTheEnabledDialogWithTheStackOfTheirThrow) {
    try {
        throw EReadError("Stream read error");
    } catch (const std::exception& error) {
        Application().ShowException(error);
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].find("Stream read error\n\nEReadError"), 0u);
    EXPECT_FALSE(Has(report, "taken where the error was reported")) << report;
    EXPECT_TRUE(Has(report, "designparts_test.exe")) << report;
}

TEST_F(InProcessDialog, AnEarlierCaughtThrowDoesNotLendItsStackToAnotherError) {
    try {
        throw EReadError("caught and forgotten");
    } catch (const std::exception&) {
    }
    dialog.ShowException(EConvertError("never thrown"));
    EXPECT_TRUE(Has(report, "taken where the error was reported")) << report;
}

TEST_F(InProcessDialog, ADisabledDialogLeavesTheErrorsToTheApplication) {
    dialog.SetOptions({vclxDumpToFile});
    EXPECT_FALSE(Application().OnException);
    dialog.SetOptions({vclxEnabled});
    EXPECT_TRUE(Application().OnException);
}
}  // namespace
