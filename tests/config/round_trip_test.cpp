// Everything a tree can hold comes back from its text and from its file unchanged.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "support/lib/config/config_text.h"
#include "support/lib/config/config_tree.h"
#include "tests/config/config_matchers.h"
#include "tests/lib/temp_folder.h"

namespace {

const std::string kAwkwardNames[] = {
    "Designer/GridWidth", "a=b", "[section]", "\"quoted\"", "back\\slash", " leading", "trailing ", "two\nlines",
    "cr\rtab\t", "Привет", "\xFF\xFE raw bytes", "", "# not a comment", "; nor this", "=", "/", "int x = 1", "\x01\x7F",
};

void FillWithAwkwardValues(HConfigItem& key) {
    key.Write("empty", "");
    key.Write("text", "line one\nline two\r\n\ttabbed \"quoted\" \\ back");
    key.Write("utf8", "Русский текст");
    key.Write("nul", std::string("a\0b", 3));
    key.WriteColor("face", clBtnFace);
    key.WriteColor("white", clWhite);
    key.WriteColor("none", clNone);
    key.WriteColor("negative", static_cast<TColor>(0xFFFFFFFF));
    key.Write("int min", INT_MIN);
    key.Write("int max", INT_MAX);
    key.Write("int64 min", std::numeric_limits<int64_t>::min());
    key.Write("int64 max", std::numeric_limits<int64_t>::max());
    key.Write("true", true);
    key.Write("false", false);
    key.Write("tenth", 0.1);
    key.Write("third", 1.0 / 3);
    key.Write("denormal", std::numeric_limits<double>::denorm_min());
    key.Write("largest", std::numeric_limits<double>::max());
    key.Write("lowest", std::numeric_limits<double>::lowest());
    key.Write("negative zero", -0.0);
    key.Write("inf", std::numeric_limits<double>::infinity());
    key.Write("-inf", -std::numeric_limits<double>::infinity());
    key.Write("nan", std::numeric_limits<double>::quiet_NaN());
}

HConfigItem& BuildAwkwardTree(HConfigItem& root) {
    FillWithAwkwardValues(root);
    for (const std::string& name : kAwkwardNames) {
        root.Write(name, name);
        HConfigItem* key = root.SubKey(name);
        key->Write(name, 42);
        key->SubKey(name)->WriteColor(name, clBtnFace);
    }
    root.SubKey("empty key");
    root.SubKey("IDE")->SubKey("nested empty");
    FillWithAwkwardValues(*root.SubKey("Forms")->SubKey("Item0"));
    return root;
}

HConfigItem FromText(const std::string& text) {
    HConfigItem root;
    HConfigFromText(text, root);
    return root;
}

}  // namespace

TEST(ConfigRoundTrip, AwkwardNamesAndValuesSurviveTheText) {
    HConfigItem original;
    BuildAwkwardTree(original);
    HConfigItem loaded = FromText(HConfigToText(original));
    EXPECT_TRUE(SameTree(original, loaded));
}

TEST(ConfigRoundTrip, TextOfTheLoadedTreeIsTheSame) {
    HConfigItem original;
    BuildAwkwardTree(original);
    const std::string text = HConfigToText(original);
    EXPECT_EQ(HConfigToText(FromText(text)), text);
}

TEST(ConfigRoundTrip, SystemColourKeepsItsHighBit) {
    HConfigItem original;
    original.SubKey("IDE")->WriteColor("Designer/GridBk", clBtnFace);
    HConfigItem loaded = FromText(HConfigToText(original));
    EXPECT_EQ(loaded.SubKey("IDE")->ReadColor("Designer/GridBk", 0), static_cast<TColor>(0x8000000F));
}

TEST(ConfigRoundTrip, NameWithSlashStaysOneNameUnderItsKey) {
    HConfigItem original;
    original.SubKey("IDE")->Write("Designer/GridWidth", 16);
    HConfigItem loaded = FromText(HConfigToText(original));
    EXPECT_EQ(loaded.SubKey("IDE")->Read("Designer/GridWidth", 0), 16);
    EXPECT_EQ(loaded.SubKey("IDE")->FindSubKey("Designer"), nullptr);
    EXPECT_EQ(loaded.AllSubKeys().size(), 1u);
}

TEST(ConfigRoundTrip, NaNAndInfinitiesAreWrittenReadably) {
    HConfigItem original;
    original.Write("a", std::numeric_limits<double>::quiet_NaN());
    original.Write("b", -std::numeric_limits<double>::infinity());
    const std::string text = HConfigToText(original);
    EXPECT_NE(text.find("double a = nan\n"), std::string::npos) << text;
    EXPECT_NE(text.find("double b = -inf\n"), std::string::npos) << text;
    EXPECT_TRUE(std::isnan(FromText(text).Read("a", 0.0)));
}

TEST(ConfigRoundTrip, KeyNeverWrittenExistsEmptyAfterSaveAndLoad) {
    TTempFolder folder;
    const std::string file = folder.File("osk.hcfg");
    HTreeConfig saved;
    HConfigItem* forms = saved.Root()->SubKey("Forms");
    EXPECT_EQ(forms->Read("Index", -1), -1);
    ASSERT_TRUE(saved.Save(file));

    HTreeConfig loaded;
    ASSERT_TRUE(loaded.Load(file));
    ASSERT_NE(loaded.Root()->FindSubKey("Forms"), nullptr);
    EXPECT_TRUE(loaded.Root()->FindSubKey("Forms")->Empty());
}

TEST(ConfigRoundTrip, WholeTreeSurvivesTheFile) {
    TTempFolder folder;
    const std::string file = folder.File("designer.hcfg");
    HTreeConfig saved;
    BuildAwkwardTree(*saved.Root());
    ASSERT_TRUE(saved.Save(file));

    HTreeConfig loaded;
    ASSERT_TRUE(loaded.Load(file));
    EXPECT_TRUE(SameTree(*saved.Root(), *loaded.Root()));
}

TEST(ConfigRoundTrip, FileNameWithNonAsciiCharacters) {
    TTempFolder folder;
    const std::string file = folder.File("настройки.hcfg");
    HTreeConfig saved;
    saved.Root()->Write("x", 5);
    ASSERT_TRUE(saved.Save(file));
    HTreeConfig loaded;
    ASSERT_TRUE(loaded.Load(file));
    EXPECT_EQ(loaded.Root()->Read("x", 0), 5);
}
