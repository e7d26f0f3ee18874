// The report text and the report file: what a reader of the file can rely on.
#include "components/visual/exceptions/exception_report.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "components/visual/exceptions/exception_dialog.h"
#include "support/framework/exceptions.h"

namespace {
TExceptionReport SampleReport(const std::string& time) {
    TExceptionReport report;
    report.Time = time;
    report.ClassName = "EReadError";
    report.Message = "Stream read error";
    report.Frames = {{0x401000, "designer.exe", 0x1000, "LoadForm", 0x1c}, {0x7ff00010, "", 0, "", 0}};
    return report;
}
}  // namespace

TEST(ExceptionReport, NamesTheClassOfTheObjectThrownNotOfTheReference) {
    try {
        throw EReadError("Stream read error");
    } catch (const std::exception& error) {
        EXPECT_EQ(ExceptionClassName(error), "EReadError");
    }
    EXPECT_EQ(ExceptionClassName(std::out_of_range("x")), "std::out_of_range");
}

TEST(ExceptionReport, TextCarriesMessageClassAndFramesWithTheirModules) {
    const std::string text = FormatExceptionReport(SampleReport("2026-01-02 03:04:05.006"));
    EXPECT_NE(text.find("Class: EReadError\n"), std::string::npos);
    EXPECT_NE(text.find("Message: Stream read error\n"), std::string::npos);
    EXPECT_NE(text.find("designer.exe!LoadForm+0x1C"), std::string::npos);
    // A frame outside every module is still listed, marked unknown.
    EXPECT_NE(text.find("0x000000007FF00010  ?"), std::string::npos);
    EXPECT_EQ(text.find("Fault address"), std::string::npos);
}

TEST(ExceptionReport, FramesWithoutASymbolAreNamedByModuleAndOffsetAndSymbolsAreReadable) {
    TExceptionReport report = SampleReport("t");
    report.Frames = {{0x7ff012340, "Quillon.dll", 0x12340, "", 0}};
    EXPECT_NE(FormatExceptionReport(report).find("0x00000007FF012340  Quillon.dll+0x12340\n"), std::string::npos);
    EXPECT_EQ(ReadableSymbol("_Z10RunProgramRKSt8functionIFivEE"), "RunProgram(std::function<int ()> const&)");
    EXPECT_EQ(ReadableSymbol("WndMsgProc"), "WndMsgProc");
    EXPECT_EQ(ReadableSymbol("_Zbroken"), "_Zbroken");
}

TEST(ExceptionReport, DumpsShowTheirBytesAndSayWhenMemoryCouldNotBeRead) {
    TExceptionReport report = SampleReport("t");
    std::vector<uint8_t> bytes(20);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(0xA0 + i);
    report.Dumps = {{"Code", 0x1000, bytes}, {"Data", 0x0, {}}};
    const std::string text = FormatExceptionReport(report);
    EXPECT_NE(text.find("0x0000000000001000  A0 A1"), std::string::npos);
    EXPECT_NE(text.find("0x0000000000001010  B0 B1 B2 B3\n"), std::string::npos);
    EXPECT_NE(text.find("Data at 0x0000000000000000:\n  (not readable)"), std::string::npos);
}

TEST(ExceptionReport, SummaryShowsOnlyTheAskedNumberOfFrames) {
    const TExceptionReport report = SampleReport("t");
    const std::string one = ExceptionSummary(report, 1);
    EXPECT_EQ(one.find("Stream read error\n\nEReadError"), 0u);
    EXPECT_NE(one.find("LoadForm"), std::string::npos);
    EXPECT_EQ(one.find("7FF00010"), std::string::npos);
    EXPECT_EQ(ExceptionSummary(report, -3).find("LoadForm"), std::string::npos);
}

TEST(ExceptionReportFile, NewReportsGoAtTheEndAndTheOldestGiveWayToTheLimit) {
    const std::string first = FormatExceptionReport(SampleReport("first"));
    const std::string second = FormatExceptionReport(SampleReport("second"));
    const std::string both = AppendReportText(first, second, 1 << 20);
    EXPECT_EQ(both, first + second);

    const std::string third = FormatExceptionReport(SampleReport("third"));
    const std::string kept = AppendReportText(both, third, second.size() + third.size() + 10);
    EXPECT_EQ(kept, second + third);
    // A file that holds no reports of ours is not kept in pieces.
    EXPECT_EQ(AppendReportText(std::string(500, 'x'), third, third.size() + 100), third);
    EXPECT_LE(AppendReportText("", std::string(300, 'y'), 100).size(), 100u);
}

TEST(ExceptionDialog, ReportsTheErrorToItsPresenterAndHandlers) {
    std::string shownCaption, shownText, reported;
    HExceptionDialog::SetPresenter([&](const std::string& caption, const std::string& text) {
        shownCaption = caption;
        shownText = text;
    });
    HExceptionDialog dialog(nullptr);
    dialog.SetCaption("Morvane error");
    dialog.OnReport = [&reported](TObject*, const std::string& text) { reported = text; };
    dialog.ShowException(EConvertError("'12x' is not a valid integer"));
    HExceptionDialog::SetPresenter(nullptr);

    EXPECT_EQ(shownCaption, "Morvane error");
    EXPECT_EQ(shownText.find("'12x' is not a valid integer\n\nEConvertError"), 0u);
    EXPECT_NE(reported.find("Class: EConvertError"), std::string::npos);
}

TEST(ExceptionDialog, OnlyAnEnabledDialogOutsideTheDesignerTakesOverReporting) {
    HExceptionDialog first(nullptr), second(nullptr);
    first.SetOptions({vclxEnabled});
    EXPECT_EQ(HExceptionDialog::Active(), &first);
    second.SetOptions({vclxEnabled, vclxDumpToFile});
    EXPECT_EQ(HExceptionDialog::Active(), &second);
    second.SetOptions({vclxDumpToFile});
    EXPECT_EQ(HExceptionDialog::Active(), nullptr);

    HExceptionDialog designed(nullptr);
    designed.SetDesigning(true);
    designed.SetOptions({vclxEnabled});
    EXPECT_EQ(HExceptionDialog::Active(), nullptr);
    {
        HExceptionDialog temporary(nullptr);
        temporary.SetOptions({vclxEnabled});
    }
    EXPECT_EQ(HExceptionDialog::Active(), nullptr);
}
