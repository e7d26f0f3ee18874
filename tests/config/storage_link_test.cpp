// Storage links: attaching, detaching, shared keys, copying, and their events.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "components/config/cfg_storage.h"
#include "components/config/storage_link.h"
#include "support/framework/exceptions.h"
#include "support/framework/graphics.h"

TEST(StorageLinkAttach, NewLinkHasNoStorageAndGivesDefaults) {
    HStorageLink link;
    EXPECT_EQ(link.GetStorage(), nullptr);
    EXPECT_EQ(link.GetKeyPath(), "");
    EXPECT_EQ(link.GetKey(), nullptr);
    EXPECT_EQ(link.SubKey("x"), nullptr);
    EXPECT_EQ(link.Read("i", 4), 4);
    EXPECT_STREQ(link.Read("s", "d"), "d");
    EXPECT_EQ(link.ReadText("s"), "");
    link.Write("i", 1);
    EXPECT_EQ(link.Write("s", std::string("kept")), "kept");
    bool ran = false;
    link.OnLoad = [&](TObject*) { ran = true; };
    link.idLoad(nullptr);
    EXPECT_FALSE(ran);
}

TEST(StorageLinkAttach, SettingTheSameStorageTwiceListsTheLinkOnce) {
    HCfgStorage storage(nullptr);
    HStorageLink link;
    link.SetStorage(&storage);
    link.SetStorage(&storage);
    EXPECT_EQ(storage.Links(), (HCfgLinks{&link}));
}

TEST(StorageLinkAttach, LinksAreListedInOrderOfAttachment) {
    HCfgStorage storage(nullptr);
    HStorageLink a, b, c;
    b.SetStorage(&storage);
    a.SetStorage(&storage);
    c.SetStorage(&storage);
    EXPECT_EQ(storage.Links(), (HCfgLinks{&b, &a, &c}));
    a.SetStorage(nullptr);
    EXPECT_EQ(storage.Links(), (HCfgLinks{&b, &c}));
}

TEST(StorageLinkAttach, MovingToAnotherStorageLeavesTheFirst) {
    HCfgStorage first(nullptr), second(nullptr);
    HStorageLink link;
    link.SetStorage(&first);
    link.SetStorage(&second);
    EXPECT_TRUE(first.Links().empty());
    EXPECT_EQ(second.Links(), (HCfgLinks{&link}));
}

TEST(StorageLinkAttach, DestroyedLinkLeavesItsStorage) {
    HCfgStorage storage(nullptr);
    auto link = std::make_unique<HStorageLink>();
    link->SetStorage(&storage);
    link.reset();
    EXPECT_TRUE(storage.Links().empty());
    EXPECT_FALSE(storage.Save());
}

TEST(StorageLinkAttach, StorageDestroyedBeforeItsLinksLeavesThemWithout) {
    HStorageLink a, b;
    {
        HCfgStorage storage(nullptr);
        a.SetStorage(&storage);
        b.SetStorage(&storage);
        a.SetKeyPath("IDE");
        a.Write("x", 1);
    }
    EXPECT_EQ(a.GetStorage(), nullptr);
    EXPECT_EQ(b.GetStorage(), nullptr);
    EXPECT_EQ(a.GetKey(), nullptr);
    EXPECT_EQ(a.Read("x", 0), 0);
    a.Write("x", 2);
}

TEST(StorageLinkAttach, StorageOwnedByAFormGoesWithTheForm) {
    HStorageLink link;
    {
        TComponent form(nullptr);
        auto* storage = new HCfgStorage(&form);
        link.SetStorage(storage);
    }
    EXPECT_EQ(link.GetStorage(), nullptr);
}

TEST(StorageLinkAttach, NotificationOfTheStoragesRemovalDetaches) {
    HCfgStorage storage(nullptr);
    HCfgStorage other(nullptr);
    HStorageLink link;
    link.SetStorage(&storage);
    link.Notification(&other, TOperation::opRemove);
    link.Notification(&storage, TOperation::opInsert);
    EXPECT_EQ(link.GetStorage(), &storage);
    link.Notification(&storage, TOperation::opRemove);
    EXPECT_EQ(link.GetStorage(), nullptr);
    EXPECT_TRUE(storage.Links().empty());
}

TEST(StorageLinkKeys, LinksWithEqualKeyPathsShareTheirKey) {
    HCfgStorage storage(nullptr);
    HStorageLink writer, reader;
    writer.SetStorage(&storage);
    reader.SetStorage(&storage);
    writer.SetKeyPath("IDE");
    reader.SetKeyPath("IDE");
    EXPECT_EQ(writer.GetKey(), reader.GetKey());
    writer.Write("OSKWidth", 320);
    writer.WriteColor("Designer/GridColor", clBtnFace);
    EXPECT_EQ(reader.Read("OSKWidth", 0), 320);
    EXPECT_EQ(reader.ReadColor("Designer/GridColor", 0), clBtnFace);
    EXPECT_EQ(storage.SubKey("IDE")->Read("OSKWidth", 0), 320);
}

TEST(StorageLinkKeys, KeyPathIsOneNameAndChangesTakeEffectAtOnce) {
    HCfgStorage storage(nullptr);
    HStorageLink link;
    link.SetStorage(&storage);
    link.SetKeyPath("a/b");
    link.Write("v", 1);
    EXPECT_EQ(storage.Root()->FindSubKey("a"), nullptr);
    EXPECT_EQ(storage.SubKey("a/b")->Read("v", 0), 1);
    link.SetKeyPath("other");
    EXPECT_EQ(link.Read("v", 0), 0);
    EXPECT_EQ(link.SubKey("child"), storage.SubKey("other")->SubKey("child"));
}

TEST(StorageLinkKeys, EveryKindThroughTheLink) {
    HCfgStorage storage(nullptr);
    HStorageLink link;
    link.SetStorage(&storage);
    link.SetKeyPath("K");
    link.Write("i", 5);
    link.Write("l", int64_t{1} << 50);
    link.Write("b", true);
    link.Write("d", -1.5);
    link.Write("s", "text");
    EXPECT_EQ(link.Write("t", std::string("stored")), "stored");
    EXPECT_EQ(link.Read("i", 0), 5);
    EXPECT_EQ(link.Read("l", int64_t{0}), int64_t{1} << 50);
    EXPECT_TRUE(link.Read("b", false));
    EXPECT_EQ(link.Read("b", 9), 1);
    EXPECT_EQ(link.Read("d", 0.0), -1.5);
    EXPECT_STREQ(link.Read("s", ""), "text");
    EXPECT_EQ(link.Read("t", std::string()), "stored");
    EXPECT_EQ(link.ReadText("missing"), "");
}

TEST(StorageLinkAssign, CopiesKeyPathAndJoinsTheSourcesStorage) {
    auto storage = std::make_unique<HCfgStorage>(nullptr);
    HStorageLink source, copy;
    source.SetStorage(storage.get());
    source.SetKeyPath("IDE");
    copy.Assign(&source);
    EXPECT_EQ(copy.GetKeyPath(), "IDE");
    EXPECT_EQ(copy.GetStorage(), storage.get());
    EXPECT_EQ(storage->Links(), (HCfgLinks{&source, &copy}));
    EXPECT_EQ(copy.GetKey(), source.GetKey());
    storage.reset();
    EXPECT_EQ(copy.GetStorage(), nullptr);
    EXPECT_EQ(source.GetStorage(), nullptr);
}

TEST(StorageLinkAssign, FromALinkWithoutStorageLeavesTheOldOne) {
    HCfgStorage storage(nullptr);
    HStorageLink source, copy;
    copy.SetStorage(&storage);
    copy.Assign(&source);
    EXPECT_EQ(copy.GetStorage(), nullptr);
    EXPECT_TRUE(storage.Links().empty());
}

TEST(StorageLinkAssign, OtherSourcesAreRejected) {
    HStorageLink link;
    TFont font;
    EXPECT_THROW(link.Assign(&font), EConvertError);
}

TEST(StorageLinkEvents, RunOnlyWithStorageAndHandler) {
    HCfgStorage storage(nullptr);
    HStorageLink link;
    std::vector<TObject*> senders;
    link.OnSave = [&](TObject* sender) { senders.push_back(sender); };
    link.idSave(&storage);
    EXPECT_TRUE(senders.empty());
    link.SetStorage(&storage);
    link.idSave(&storage);
    EXPECT_EQ(senders, (std::vector<TObject*>{&storage}));
    HStorageLink silent;
    silent.SetStorage(&storage);
    silent.idSave(&storage);
}

TEST(StorageLinkProperties, PublishedInOrder) {
    std::vector<std::string> names;
    for (const TPropInfo& p : HStorageLink::StaticClass().Properties()) names.push_back(p.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Storage", "KeyPath", "OnSave", "OnLoad"}));
    EXPECT_TRUE(HCustomStorageLink::StaticClass().Properties().empty());
    EXPECT_TRUE(HStorageLink::StaticClass().InheritsFrom(&TPersistent::StaticClass()));
}

TEST(StorageLinkProperties, StoragePropertySetsTheStorage) {
    HCfgStorage storage(nullptr);
    HStorageLink link;
    const TPropInfo* prop = HStorageLink::StaticClass().FindProperty("Storage");
    ASSERT_NE(prop, nullptr);
    ASSERT_TRUE(prop->SetObject);
    prop->SetObject(link, &storage);
    EXPECT_EQ(storage.Links(), (HCfgLinks{&link}));
    EXPECT_EQ(prop->GetObject(link), &storage);
}
