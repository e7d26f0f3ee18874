#include <gtest/gtest.h>

#include <sstream>

#include "../lib/temp_folder.h"
#include "osklayout.h"
#include "support/framework/language.h"

namespace {
const std::string kSample = std::string(PENDREL_LAYOUTS_DIR) + "/sample.osk";

const char kSmallLayout[] =
    "object design: TScrollBox\r\n"
    "  Left = 4\r\n"
    "  Top = 6\r\n"
    "  Width = 200\r\n"
    "  Height = 100\r\n"
    "end\r\n"
    "BEGIN 1\r\n"
    "  object Label1: TLabel\r\n"
    "    Left = 8\r\n"
    "    Top = 8\r\n"
    "    Width = 40\r\n"
    "    Height = 13\r\n"
    "    Caption = 'Hello'\r\n"
    "  end\r\n"
    "END\r\n";

struct TRun {
    int Code;
    std::string Out;
    std::string Err;
};

TRun RunTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunOsklayout(args, out, err);
    return {code, out.str(), err.str()};
}

class Osklayout : public ::testing::Test {
protected:
    void SetUp() override { SetUserLanguage(TUserLanguage::English); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string file = folder.File(name);
        WriteFileBytes(file, bytes);
        return file;
    }
    // The sample in another form, made by the tool itself.
    std::string Converted(const std::string& name, const std::vector<std::string>& options) {
        const std::string file = folder.File(name);
        std::vector<std::string> args{"convert", kSample, file};
        args.insert(args.end(), options.begin(), options.end());
        const TRun run = RunTool(args);
        EXPECT_EQ(run.Code, kOsklayoutOk) << run.Err;
        return file;
    }
    // The check's single error line for this layout text.
    std::string CheckError(const std::string& text) {
        const TRun run = RunTool({"check", Write("broken.osk", text)});
        EXPECT_EQ(run.Code, kOsklayoutFailed);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;
        return run.Err;
    }

    TTempFolder folder;
};

TEST_F(Osklayout, PrintOfTheTextFormIsTheFileItself) {
    const TRun run = RunTool({"print", kSample});
    EXPECT_EQ(run.Code, kOsklayoutOk) << run.Err;
    EXPECT_EQ(run.Out, ReadFileBytes(kSample));
    EXPECT_NE(run.Out.find("'\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82'"), std::string::npos);  // 'Привет'
}

TEST_F(Osklayout, PrintGivesTheSameTextForEveryForm) {
    const std::string expected = ReadFileBytes(kSample);
    const std::string binary = Converted("binary.osk", {"--binary"});
    const std::string packedBinary = Converted("binary.osz", {"--binary", "--compress"});
    const std::string packedText = Converted("text.osz", {"--text", "--compress"});
    ASSERT_EQ(ReadFileBytes(binary).substr(0, 4), "TPF0");
    ASSERT_NE(ReadFileBytes(packedBinary), ReadFileBytes(binary));
    ASSERT_NE(ReadFileBytes(packedText), expected);
    for (const std::string& file : {binary, packedBinary, packedText}) {
        const TRun run = RunTool({"print", file});
        EXPECT_EQ(run.Code, kOsklayoutOk) << run.Err;
        EXPECT_EQ(run.Out, expected) << file;
    }
}

TEST_F(Osklayout, ConvertTextToBinaryAndBackGivesTheSameBytes) {
    const std::string binary = Converted("binary.osk", {"--binary"});
    const std::string text = folder.File("text.osk");
    ASSERT_EQ(RunTool({"convert", binary, text, "--text"}).Code, kOsklayoutOk);
    EXPECT_EQ(ReadFileBytes(text), ReadFileBytes(kSample));
    const std::string binaryAgain = folder.File("again.osk");
    ASSERT_EQ(RunTool({"convert", "--binary", text, binaryAgain}).Code, kOsklayoutOk);
    EXPECT_EQ(ReadFileBytes(binaryAgain), ReadFileBytes(binary));
}

TEST_F(Osklayout, ConvertWithAMissingInputLeavesNoOutput) {
    const TRun run = RunTool({"convert", folder.File("missing.osk"), folder.File("out.osk"), "--text"});
    EXPECT_EQ(run.Code, kOsklayoutFailed);
    EXPECT_NE(run.Err.find("missing.osk"), std::string::npos);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(Osklayout, CheckAcceptsTheSampleInEveryForm) {
    for (const std::string& file : {kSample, Converted("binary.osk", {"--binary"}), Converted("binary.osz", {"--binary", "--compress"})}) {
        const TRun run = RunTool({"check", file});
        EXPECT_EQ(run.Code, kOsklayoutOk) << run.Err;
        EXPECT_EQ(run.Err, "");
    }
}

TEST_F(Osklayout, CheckAcceptsASmallHandWrittenLayout) {
    const TRun run = RunTool({"check", Write("small.osk", kSmallLayout)});
    EXPECT_EQ(run.Code, kOsklayoutOk) << run.Err;
}

TEST_F(Osklayout, CheckNamesTheLineOfABrokenText) {
    std::string text = kSmallLayout;
    text.replace(text.find("BEGIN 1"), 7, "BEGIN x");
    EXPECT_NE(CheckError(text).find("Error parsing input file at 7 string: "), std::string::npos);
}

TEST_F(Osklayout, CheckReportsAChildCountThatDoesNotMatch) {
    std::string text = kSmallLayout;
    text.replace(text.find("BEGIN 1"), 7, "BEGIN 2");
    EXPECT_NE(CheckError(text).find("at 7 string: BEGIN 2 declares 2 controls but the block holds 1"), std::string::npos);
}

TEST_F(Osklayout, CheckNamesTheLineOfAShortDataBlock) {
    std::string text = kSmallLayout;
    text.replace(text.find("end\r\nBEGIN"), 3, "end\r\n{ 4 0102 }");
    EXPECT_NE(CheckError(text).find("Error parsing input file at 7 string: "), std::string::npos);
}

TEST_F(Osklayout, CheckReportsTextAfterTheLayout) {
    EXPECT_NE(CheckError(std::string(kSmallLayout) + "object").find("at 16 string: Unexpected text after the layout"), std::string::npos);
}

TEST_F(Osklayout, CheckReportsAnUnknownChildClass) {
    std::string text = kSmallLayout;
    text.replace(text.find("TLabel"), 6, "TGadget");
    EXPECT_NE(CheckError(text).find("Class TGadget not found"), std::string::npos);
}

TEST_F(Osklayout, CheckReportsAnUnknownContainerClass) {
    std::string text = kSmallLayout;
    text.replace(text.find("TScrollBox"), 10, "TGadgetBox");
    EXPECT_NE(CheckError(text).find("Class TGadgetBox not found"), std::string::npos);
}

TEST_F(Osklayout, CheckReportsAnUnknownProperty) {
    std::string text = kSmallLayout;
    text.replace(text.find("Caption"), 7, "Colour");
    EXPECT_NE(CheckError(text).find("Colour"), std::string::npos);
}

TEST_F(Osklayout, CheckAndPrintRefuseATruncatedBinary) {
    const std::string binary = ReadFileBytes(Converted("binary.osk", {"--binary"}));
    for (size_t length : {binary.size() - 1, binary.size() / 2, size_t{12}, size_t{3}}) {
        const std::string file = Write("cut.osk", binary.substr(0, length));
        EXPECT_EQ(CheckError(binary.substr(0, length)).rfind("osklayout: ", 0), 0u) << length;
        const TRun print = RunTool({"print", file});
        EXPECT_EQ(print.Code, kOsklayoutFailed) << length;
        if (length > 11) {
            EXPECT_NE(print.Err.find("Damaged binary layout"), std::string::npos) << print.Err;
        }
        EXPECT_EQ(print.Out, "");
    }
}

TEST_F(Osklayout, CheckRefusesBytesAfterABinaryLayout) {
    const std::string binary = ReadFileBytes(Converted("binary.osk", {"--binary"}));
    EXPECT_NE(CheckError(binary + "x").find("Unexpected data after the layout"), std::string::npos);
}

TEST_F(Osklayout, DamagedCompressedFileIsAnError) {
    std::string packed = ReadFileBytes(Converted("packed.osk", {"--text", "--compress"}));
    packed.resize(packed.size() - 4);
    const TRun run = RunTool({"print", Write("cut.osk", packed)});
    EXPECT_EQ(run.Code, kOsklayoutFailed);
    EXPECT_NE(run.Err.find("Corrupt compressed file"), std::string::npos) << run.Err;
    EXPECT_EQ(run.Out, "");
}

TEST_F(Osklayout, MissingFileIsAnError) {
    const TRun run = RunTool({"check", folder.File("missing.osk")});
    EXPECT_EQ(run.Code, kOsklayoutFailed);
    EXPECT_NE(run.Err.find("missing.osk"), std::string::npos);
}

TEST_F(Osklayout, BadArgumentsShowTheUsage) {
    const std::vector<std::vector<std::string>> cases{
        {},
        {"show", kSample},
        {"print"},
        {"print", kSample, kSample},
        {"check", "--text"},
        {"convert", kSample, "out.osk"},
        {"convert", kSample, "out.osk", "--text", "--binary"},
        {"convert", kSample, "--text"},
        {"convert", kSample, "out.osk", "--text", "--fast"},
    };
    for (const auto& args : cases) {
        const TRun run = RunTool(args);
        EXPECT_EQ(run.Code, kOsklayoutUsage);
        EXPECT_NE(run.Err.find("usage: osklayout print FILE"), std::string::npos);
        EXPECT_EQ(run.Out, "");
    }
    EXPECT_TRUE(folder.Entries().empty());
}
}  // namespace
