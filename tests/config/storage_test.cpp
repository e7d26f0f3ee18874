// The settings component: its file, loading and saving, and its handlers.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "components/config/cfg_storage.h"
#include "components/config/storage_link.h"
#include "support/lib/paths.h"
#include "tests/lib/temp_folder.h"

namespace {
void WriteSettings(const std::string& file, int width) {
    HTreeConfig tree;
    tree.Root()->Write("Width", width);
    ASSERT_TRUE(tree.Save(file));
}
}  // namespace

class StorageFile : public ::testing::Test {
protected:
    TTempFolder folder;
    std::string file = folder.File("osk.hcfg");
    HCfgStorage storage{nullptr};
};

TEST(StorageDefaults, NewStorageIsEmptyWithAutoFlagsOn) {
    HCfgStorage storage(nullptr);
    EXPECT_TRUE(storage.GetAutoSave());
    EXPECT_TRUE(storage.GetAutoLoad());
    EXPECT_EQ(storage.GetFileName(), "");
    EXPECT_EQ(storage.FullPath(), "");
    EXPECT_NE(storage.Root(), nullptr);
    EXPECT_EQ(storage.Read("x", 3), 3);
}

TEST(StorageDefaults, PublishedPropertiesInOrderWithDefaults) {
    const auto& props = HCfgStorage::StaticClass().Properties();
    std::vector<std::string> names;
    for (const TPropInfo& p : props) names.push_back(p.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "AutoSave", "AutoLoad", "FileName", "OnLoad", "OnSave"}));
    const TPropInfo* autoLoad = HCfgStorage::StaticClass().FindProperty("AutoLoad");
    ASSERT_NE(autoLoad, nullptr);
    EXPECT_TRUE(autoLoad->HasDefault);
    EXPECT_EQ(autoLoad->Default, 1);
    EXPECT_TRUE(HCustomCfgStorage::StaticClass().Properties().size() == 2u);
}

TEST(StorageFileName, RelativeNameLivesInTheProgramsFolder) {
    HCfgStorage storage(nullptr);
    storage.SetAutoLoad(false);
    storage.SetFileName("osk.hcfg");
    EXPECT_EQ(storage.FullPath(), GetStartupDir() + "osk.hcfg");
    EXPECT_TRUE(IsAbsolutePath(storage.FullPath()));
}

TEST_F(StorageFile, AbsoluteNameIsUsedUnchanged) {
    storage.SetFileName(file);
    EXPECT_EQ(storage.FullPath(), file);
}

TEST_F(StorageFile, LongPathIsNotCutShort) {
    const std::string longName = folder.File(std::string(300, 'x') + ".hcfg");
    storage.SetFileName(longName);
    EXPECT_EQ(storage.FullPath(), longName);
    EXPECT_FALSE(storage.Save());
}

TEST(StorageFileName, RelativeFileIsFoundBesideTheProgramWhateverTheCurrentFolder) {
    const std::string name = "storage_test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".hcfg";
    const std::string beside = GetStartupDir() + name;
    WriteSettings(beside, 77);
    TTempFolder elsewhere;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.Path());
    {
        HCfgStorage storage(nullptr);
        storage.SetFileName(name);
        EXPECT_EQ(storage.Read("Width", 0), 77);
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove(beside);
}

TEST_F(StorageFile, SettingTheNameWithAutoLoadLoadsAtOnce) {
    WriteSettings(file, 640);
    int loads = 0;
    storage.OnLoad = [&](TObject*) { ++loads; };
    storage.SetFileName(file);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(storage.Read("Width", 0), 640);
}

TEST_F(StorageFile, SettingTheSameNameAgainDoesNotReload) {
    WriteSettings(file, 640);
    int loads = 0;
    storage.OnLoad = [&](TObject*) { ++loads; };
    storage.SetFileName(file);
    storage.Write("Width", 1);
    storage.SetFileName(file);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(storage.Read("Width", 0), 1);
}

TEST_F(StorageFile, WithoutAutoLoadTheNameLoadsNothing) {
    WriteSettings(file, 640);
    storage.SetAutoLoad(false);
    storage.SetFileName(file);
    EXPECT_EQ(storage.Read("Width", 0), 0);
    EXPECT_TRUE(storage.Load());
    EXPECT_EQ(storage.Read("Width", 0), 640);
}

TEST_F(StorageFile, EmptyNameLoadsAndSavesNothing) {
    storage.SetFileName(file);
    int handlers = 0;
    storage.OnLoad = [&](TObject*) { ++handlers; };
    storage.OnSave = [&](TObject*) { ++handlers; };
    storage.SetFileName("");
    EXPECT_EQ(storage.FullPath(), "");
    EXPECT_FALSE(storage.Load());
    EXPECT_FALSE(storage.Save());
    EXPECT_EQ(handlers, 0);
}

TEST_F(StorageFile, DesigningStorageTouchesNoFile) {
    WriteSettings(file, 640);
    storage.SetDesigning(true);
    storage.SetFileName(file);
    EXPECT_EQ(storage.Read("Width", 0), 0);
    EXPECT_FALSE(storage.Load());
    storage.Write("Width", 1);
    EXPECT_FALSE(storage.Save());
    HTreeConfig check;
    ASSERT_TRUE(check.Load(file));
    EXPECT_EQ(check.Root()->Read("Width", 0), 640);
}

TEST_F(StorageFile, MissingFileLoadsNoHandlers) {
    int loads = 0;
    storage.OnLoad = [&](TObject*) { ++loads; };
    storage.SetFileName(file);
    EXPECT_FALSE(storage.Load());
    EXPECT_EQ(loads, 0);
}

TEST_F(StorageFile, DamagedFileLoadsDefaultsAndIsKeptAsBad) {
    WriteFileBytes(file, "garbage\n");
    storage.SetFileName(file);
    EXPECT_FALSE(storage.Load());
    EXPECT_EQ(storage.Read("Width", 5), 5);
    EXPECT_TRUE(storage.Save());
    EXPECT_EQ(ReadFileBytes(folder.File("osk.hcfg.bad")), "garbage\n");
}

TEST_F(StorageFile, SaveRunsHandlersBeforeWritingAndLoadAfterReading) {
    std::vector<std::string> order;
    HStorageLink first, second;
    first.SetStorage(&storage);
    second.SetStorage(&storage);
    storage.OnSave = [&](TObject* sender) {
        EXPECT_EQ(sender, &storage);
        order.push_back("storage");
        storage.Write("Width", 800);
    };
    first.OnSave = [&](TObject* sender) {
        EXPECT_EQ(sender, &storage);
        order.push_back("first");
        first.Write("Value", 1);
    };
    second.OnSave = [&](TObject*) { order.push_back("second"); };
    storage.SetFileName(file);
    ASSERT_TRUE(storage.Save());
    EXPECT_EQ(order, (std::vector<std::string>{"storage", "first", "second"}));

    HCfgStorage reader(nullptr);
    reader.SetAutoLoad(false);
    reader.SetFileName(file);
    HStorageLink link;
    link.SetStorage(&reader);
    int seen = 0;
    reader.OnLoad = [&](TObject*) { EXPECT_EQ(reader.Read("Width", 0), 800); ++seen; };
    link.OnLoad = [&](TObject*) { EXPECT_EQ(link.Read("Value", 0), 1); ++seen; };
    ASSERT_TRUE(reader.Load());
    EXPECT_EQ(seen, 2);
}

TEST_F(StorageFile, FailedSaveHasRunItsHandlers) {
    storage.SetFileName(file);
    std::filesystem::create_directory(file);
    int saves = 0;
    storage.OnSave = [&](TObject*) { ++saves; };
    EXPECT_FALSE(storage.Save());
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(StorageFile, HandlerThatDestroysALinkDoesNotRunIt) {
    storage.SetFileName(file);
    auto* doomed = new HStorageLink;
    HStorageLink killer;
    killer.SetStorage(&storage);
    doomed->SetStorage(&storage);
    bool doomedRan = false;
    doomed->OnSave = [&](TObject*) { doomedRan = true; };
    killer.OnSave = [&](TObject*) { delete doomed; };
    EXPECT_TRUE(storage.Save());
    EXPECT_FALSE(doomedRan);
    EXPECT_EQ(storage.Links().size(), 1u);
}

TEST(StorageValues, RootReadsAndWritesEveryKind) {
    HCfgStorage storage(nullptr);
    storage.Write("b", true);
    storage.Write("l", int64_t{-1} << 40);
    storage.Write("i", 12);
    storage.Write("d", 2.25);
    storage.WriteColor("c", clBtnFace);
    storage.Write("s", "text");
    storage.Write("t", std::string("more"));
    EXPECT_TRUE(storage.Read("b", false));
    EXPECT_EQ(storage.Read("b", 5), 1);
    EXPECT_EQ(storage.Read("l", int64_t{0}), int64_t{-1} << 40);
    EXPECT_EQ(storage.Read("i", 0), 12);
    EXPECT_EQ(storage.Read("d", 0.0), 2.25);
    EXPECT_EQ(storage.ReadColor("c", 0), clBtnFace);
    EXPECT_EQ(storage.Read("c", 0), 0);
    EXPECT_STREQ(storage.Read("s", "x"), "text");
    EXPECT_EQ(storage.Read("t", std::string("x")), "more");
    EXPECT_STREQ(storage.ReadText("s"), "text");
    EXPECT_STREQ(storage.ReadText("none"), "");
    EXPECT_EQ(storage.Read("none", std::string("fallback")), "fallback");
    EXPECT_EQ(storage.SubKey("Forms"), storage.Root()->SubKey("Forms"));
}
