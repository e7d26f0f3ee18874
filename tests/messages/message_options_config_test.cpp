#include <gtest/gtest.h>

#include "components/visual/messages/message_options_config.h"
#include "support/lib/config/config_tree.h"

namespace {
TEST(MessageOptionsConfig, AnEmptyKeyLeavesTheInitialOptions) {
    HTreeConfig* tree = HConfigCreate();
    HiInfoOptions options;
    ReadHiInfoOptions(options, *tree->Root());
    EXPECT_EQ(options.x, -1);
    EXPECT_EQ(options.CloseAction, hcaHide);
    EXPECT_EQ(options.MaxItems, 100);
    EXPECT_FALSE(options.Flt[3]);
    HConfigDestroy(tree);
}

TEST(MessageOptionsConfig, EveryOptionRoundTripsUnderItsValueName) {
    HTreeConfig* tree = HConfigCreate();
    HiInfoOptions written;
    written.x = 10, written.y = 20, written.w = 300, written.h = 200, written.state = 2;
    written.CloseAction = hcaMinimize;
    written.ActivateMin = 2;
    written.Flt[1] = true;
    written.MaxItems = 0;
    written.Timestamp = true;
    written.LogToFile = true;
    HConfigItem* key = tree->Root()->SubKey("Messages");
    WriteHiInfoOptions(written, *key);
    EXPECT_EQ(key->Read("CloseAction", 0), 3);
    EXPECT_TRUE(key->Read("Flt1", false));
    EXPECT_EQ(key->Read("w", 0), 300);

    HiInfoOptions read;
    ReadHiInfoOptions(read, *key);
    EXPECT_EQ(read.x, 10);
    EXPECT_EQ(read.h, 200);
    EXPECT_EQ(read.state, 2);
    EXPECT_EQ(read.CloseAction, hcaMinimize);
    EXPECT_EQ(read.ActivateMin, 2);
    EXPECT_TRUE(read.Flt[1]);
    EXPECT_FALSE(read.Flt[0]);
    EXPECT_EQ(read.MaxItems, 0);
    EXPECT_TRUE(read.Timestamp);
    EXPECT_TRUE(read.LogToFile);
    HConfigDestroy(tree);
}
}  // namespace
