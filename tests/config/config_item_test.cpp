// The key's typed values and sub-keys.
#include <gtest/gtest.h>

#include <cstring>

#include "support/lib/config/config_item.h"
#include "support/lib/config/config_tree.h"

TEST(ConfigItemValues, MissingValuesGiveTheDefaults) {
    HConfigItem key;
    EXPECT_TRUE(key.Read("b", true));
    EXPECT_EQ(key.Read("i", 7), 7);
    EXPECT_EQ(key.Read("l", int64_t{-9}), -9);
    EXPECT_EQ(key.Read("d", 2.5), 2.5);
    EXPECT_EQ(key.ReadColor("c", clBtnFace), clBtnFace);
    EXPECT_STREQ(key.Read("s", "fallback"), "fallback");
    EXPECT_STREQ(key.Read("s", static_cast<const char*>(nullptr)), "");
}

TEST(ConfigItemValues, EachKindReadsBackWhatWasWritten) {
    HConfigItem key;
    key.Write("b", true);
    key.Write("i", -5);
    key.Write("l", int64_t{1} << 40);
    key.Write("d", 0.1);
    key.WriteColor("c", clBtnFace);
    key.Write("s", "text");
    EXPECT_TRUE(key.Read("b", false));
    EXPECT_EQ(key.Read("i", 0), -5);
    EXPECT_EQ(key.Read("l", int64_t{0}), int64_t{1} << 40);
    EXPECT_EQ(key.Read("d", 0.0), 0.1);
    EXPECT_EQ(key.ReadColor("c", 0), clBtnFace);
    EXPECT_STREQ(key.Read("s", ""), "text");
}

TEST(ConfigItemValues, BooleanReadAsIntegerIsZeroOrOne) {
    HConfigItem key;
    key.Write("LRDiff", true);
    key.Write("IgnoreCA", false);
    EXPECT_EQ(key.Read("LRDiff", 7), 1);
    EXPECT_EQ(key.Read("IgnoreCA", 7), 0);
    EXPECT_EQ(key.Read("LRDiff", int64_t{7}), 1);
}

TEST(ConfigItemValues, KindsAreKeptApart) {
    HConfigItem key;
    key.WriteColor("c", clRed);
    key.Write("i", 3);
    key.Write("s", "3");
    EXPECT_EQ(key.Read("c", -1), -1);
    EXPECT_EQ(key.ReadColor("i", clBlue), clBlue);
    EXPECT_EQ(key.Read("s", -1), -1);
    EXPECT_FALSE(key.Read("i", false));
    EXPECT_EQ(key.Read("i", 1.5), 1.5);
}

TEST(ConfigItemValues, WritingReplacesValueAndKind) {
    HConfigItem key;
    key.Write("v", 1);
    key.Write("v", "now text");
    EXPECT_EQ(key.Read("v", -1), -1);
    EXPECT_STREQ(key.Read("v", ""), "now text");
    EXPECT_EQ(key.AllValues().size(), 1u);
}

TEST(ConfigItemValues, NamesAreExactAndNeverSplit) {
    HConfigItem key;
    key.Write("Designer/GridWidth", 8);
    key.Write("name", 1);
    EXPECT_EQ(key.Read("Designer/GridWidth", 0), 8);
    EXPECT_EQ(key.Read("NAME", 0), 0);
    EXPECT_EQ(key.FindSubKey("Designer"), nullptr);
}

TEST(ConfigItemSubKeys, SubKeyIsCreatedOnceAndFoundAgain) {
    HConfigItem root;
    EXPECT_EQ(root.FindSubKey("Forms"), nullptr);
    HConfigItem* forms = root.SubKey("Forms");
    ASSERT_NE(forms, nullptr);
    EXPECT_TRUE(forms->Empty());
    EXPECT_EQ(root.SubKey("Forms"), forms);
    EXPECT_EQ(root.FindSubKey("Forms"), forms);
    EXPECT_NE(root.SubKey("forms"), forms);
}

TEST(ConfigItemSubKeys, ReplacingContentsKeepsKeyObjectsAndDropsOldValues) {
    HConfigItem root;
    HConfigItem* kept = root.SubKey("Kept");
    HConfigItem* gone = root.SubKey("Gone");
    kept->Write("old", 1);
    gone->Write("old", 2);
    root.Write("top", 3);

    HConfigItem loaded;
    loaded.SubKey("Kept")->Write("new", 4);
    loaded.SubKey("Fresh")->Write("x", 5);
    root.ReplaceContents(std::move(loaded));

    EXPECT_EQ(root.SubKey("Kept"), kept);
    EXPECT_EQ(kept->Read("new", 0), 4);
    EXPECT_EQ(kept->Read("old", 0), 0);
    EXPECT_EQ(root.SubKey("Gone"), gone);
    EXPECT_TRUE(gone->Empty());
    EXPECT_EQ(root.Read("top", 0), 0);
    EXPECT_EQ(root.SubKey("Fresh")->Read("x", 0), 5);
}

TEST(ConfigTree, RootLivesAsLongAsTheTree) {
    HTreeConfig* tree = HConfigCreate();
    HConfigItem* root = tree->Root();
    EXPECT_EQ(tree->Root(), root);
    EXPECT_TRUE(root->Empty());
    root->SubKey("a")->SubKey("b")->Write("c", 1);
    HConfigDestroy(tree);
}
