#include <gtest/gtest.h>

#include "support/lib/file_log.h"
#include "support/lib/win_abort.h"
#include "tests/lib/temp_folder.h"

TEST(WinAbortDeathTest, ShowsLogsAndExitsWithCodeOne) {
    TTempFolder folder;
    const std::string log = folder.File("abort.log");
    FILELogSetPath(log);
    EXPECT_EXIT(__WinAbort("cannot go on: %s %d", "reason", 7), ::testing::ExitedWithCode(1), "cannot go on: reason 7");
    FILELogSetPath("");
    EXPECT_NE(ReadFileBytes(log).find("cannot go on: reason 7"), std::string::npos);
}
