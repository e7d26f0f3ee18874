#include <gtest/gtest.h>

#include "support/lib/command_line.h"

using TArgs = std::vector<std::string>;

TEST(SplitCommandLine, BlanksSeparateArguments) {
    EXPECT_EQ(SplitCommandLine("prog.exe a  b\tc "), (TArgs{"prog.exe", "a", "b", "c"}));
    EXPECT_EQ(SplitCommandLine("prog.exe"), (TArgs{"prog.exe"}));
    EXPECT_EQ(SplitCommandLine(""), TArgs{});
}

TEST(SplitCommandLine, QuotedProgramNameEndsAtTheNextQuote) {
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\p.exe\" x"), (TArgs{"C:\\Program Files\\p.exe", "x"}));
    EXPECT_EQ(SplitCommandLine("\"C:\\dir\\\"x"), (TArgs{"C:\\dir\\", "x"}));
    EXPECT_EQ(SplitCommandLine("\"unterminated name"), (TArgs{"unterminated name"}));
}

TEST(SplitCommandLine, QuotesGroupBlanks) {
    EXPECT_EQ(SplitCommandLine("p \"a b\" c\"d e\"f"), (TArgs{"p", "a b", "cd ef"}));
    EXPECT_EQ(SplitCommandLine("p \"\" x"), (TArgs{"p", "", "x"}));
    EXPECT_EQ(SplitCommandLine("p \"open to the end"), (TArgs{"p", "open to the end"}));
}

TEST(SplitCommandLine, BackslashesAreLiteralUnlessBeforeAQuote) {
    EXPECT_EQ(SplitCommandLine("p a\\b a\\\\b C:\\dir\\"), (TArgs{"p", "a\\b", "a\\\\b", "C:\\dir\\"}));
}

TEST(SplitCommandLine, BackslashesBeforeAQuoteAreHalved) {
    EXPECT_EQ(SplitCommandLine("p \\\"x"), (TArgs{"p", "\"x"}));
    EXPECT_EQ(SplitCommandLine("p a\\\\\\\"b"), (TArgs{"p", "a\\\"b"}));
    EXPECT_EQ(SplitCommandLine("p a\\\\\"b c\""), (TArgs{"p", "a\\b c"}));
    EXPECT_EQ(SplitCommandLine("p \"C:\\dir\\\\\" next"), (TArgs{"p", "C:\\dir\\", "next"}));
}

TEST(SplitCommandLine, RunsOfQuotesInsideQuotes) {
    EXPECT_EQ(SplitCommandLine("p \"a\"\"b\""), (TArgs{"p", "a\"b"}));
    EXPECT_EQ(SplitCommandLine("p \"\"\"a b\"\"\""), (TArgs{"p", "\"a", "b\""}));
    EXPECT_EQ(SplitCommandLine("p \"\"\"\""), (TArgs{"p", "\""}));
    EXPECT_EQ(SplitCommandLine("p \"a\"\"\" b\""), (TArgs{"p", "a\" b"}));
    EXPECT_EQ(SplitCommandLine("p \"a\"\"\"\" b\""), (TArgs{"p", "a\"", "b"}));
}

TEST(CTArg, InitReplacesTheArguments) {
    char program[] = "prog", first[] = "one", second[] = "two words";
    char* argv[] = {program, first, second, nullptr};
    CTArgInit(3, argv);
    EXPECT_EQ(CTArgCount(), 2);
    EXPECT_STREQ(CTArgGetArg(0), "one");
    EXPECT_STREQ(CTArgGetArg(1), "two words");
    EXPECT_EQ(CTArgGetArg(2), nullptr);
    EXPECT_EQ(CTArgGetArg(-1), nullptr);
}

TEST(CTArg, ProgramNameAloneGivesNoArguments) {
    char program[] = "prog";
    char* argv[] = {program, nullptr};
    CTArgInit(1, argv);
    EXPECT_EQ(CTArgCount(), 0);
    EXPECT_EQ(CTArgGetArg(0), nullptr);
    CTArgInit(0, nullptr);
    EXPECT_EQ(CTArgCount(), 0);
}

TEST(ReadProcessArguments, StartsWithThisProgram) {
    const TArgs all = ReadProcessArguments();
    ASSERT_FALSE(all.empty());
    EXPECT_NE(all[0].find("lib_test"), std::string::npos);
}
