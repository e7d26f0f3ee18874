// Components: ownership, names, lookup, free notification and the class registry.
#include <gtest/gtest.h>

#include "framework_classes.h"
#include "support/framework/class_registry.h"
#include "support/framework/exceptions.h"

namespace {
TEST(Ownership, OwnerDeletesWhatItOwns) {
    auto* owner = new TComponent(nullptr);
    auto* watcher = new TWatcher(nullptr);
    auto* owned = new TComponent(owner);
    owned->FreeNotification(watcher);
    EXPECT_EQ(owner->ComponentCount(), 1);
    delete owner;
    ASSERT_EQ(watcher->Notes.size(), 1u);
    EXPECT_EQ(watcher->Notes[0], std::make_pair(owned, TOperation::opRemove));
    delete watcher;
}

TEST(Ownership, DeletingAnOwnedComponentRemovesItFromItsOwner) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    delete a;
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), b);
    EXPECT_EQ(b->Owner(), &owner);
}

TEST(Ownership, OwnerIsToldOfInsertionAndRemoval) {
    TWatcher owner(nullptr);
    auto* owned = new TComponent(&owner);
    delete owned;
    ASSERT_EQ(owner.Notes.size(), 2u);
    EXPECT_EQ(owner.Notes[0].second, TOperation::opInsert);
    EXPECT_EQ(owner.Notes[1].second, TOperation::opRemove);
}

TEST(Names, UniqueAmongTheOwnersComponentsIgnoringCase) {
    TComponent owner(nullptr);
    TComponent a(&owner), b(&owner);
    a.SetName("Shift");
    EXPECT_THROW(b.SetName("SHIFT"), EComponentError);
    EXPECT_EQ(b.GetName(), "");
    a.SetName("shift");  // renaming itself in another case is fine
    EXPECT_EQ(a.GetName(), "shift");
    TComponent other(nullptr);
    TComponent c(&other);
    c.SetName("Shift");  // another owner: no clash
}

TEST(Names, InvalidIdentifiersAreRejected) {
    TComponent a(nullptr);
    for (const char* bad : {"1Key", "Key One", "Key-1", "Ключ", "a.b"}) {
        EXPECT_THROW(a.SetName(bad), EComponentError) << bad;
        EXPECT_FALSE(IsValidIdent(bad)) << bad;
    }
    for (const char* good : {"_x", "Key1", "K_1"}) EXPECT_TRUE(IsValidIdent(good)) << good;
    a.SetName("");
    EXPECT_EQ(a.GetName(), "");
}

TEST(Names, FindComponentIgnoresCase) {
    TComponent owner(nullptr);
    TComponent a(&owner);
    a.SetName("CapsLock");
    EXPECT_EQ(owner.FindComponent("capslock"), &a);
    EXPECT_EQ(owner.FindComponent("CAPSLOCK"), &a);
    EXPECT_EQ(owner.FindComponent("Caps"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(FreeNotification, LinkedComponentHearsOfTheOthersDestruction) {
    TWatcher watcher(nullptr);
    auto* other = new TComponent(nullptr);
    other->FreeNotification(&watcher);
    delete other;
    ASSERT_EQ(watcher.Notes.size(), 1u);
    EXPECT_EQ(watcher.Notes[0], std::make_pair(other, TOperation::opRemove));
}

TEST(FreeNotification, RemovedLinkIsSilent) {
    TWatcher watcher(nullptr);
    auto* other = new TComponent(nullptr);
    other->FreeNotification(&watcher);
    other->RemoveFreeNotification(&watcher);
    delete other;
    EXPECT_TRUE(watcher.Notes.empty());
}

TEST(FreeNotification, WatcherDestroyedFirstIsForgotten) {
    auto* watcher = new TWatcher(nullptr);
    TComponent other(nullptr);
    other.FreeNotification(watcher);
    delete watcher;  // other must not tell a destroyed watcher later
}

TEST(ClassRegistry, LookupIgnoresCaseAndRegisteringTwiceIsHarmless) {
    RegisterClass(TTiny::StaticClass());
    RegisterClass(TTiny::StaticClass());
    EXPECT_EQ(GetClass("ttiny"), &TTiny::StaticClass());
    EXPECT_EQ(FindClass("TTINY"), &TTiny::StaticClass());
    EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
    EXPECT_THROW(FindClass("TNoSuchClass"), EClassNotFound);
}

TEST(ClassRegistry, AnotherClassUnderATakenNameRaises) {
    RegisterClass(TTiny::StaticClass());
    const TMetaClass impostor("TTINY", &TComponent::StaticClass(), nullptr);
    EXPECT_THROW(RegisterClass(impostor), EFilerError);
    EXPECT_EQ(GetClass("TTiny"), &TTiny::StaticClass());
}

TEST(ClassRegistry, CreatesInstancesOwnedByTheGivenOwner) {
    TComponent owner(nullptr);
    TObject* made = FindClass("TTiny")->CreateInstance(&owner);
    ASSERT_TRUE(made->Is<TTiny>());
    EXPECT_EQ(static_cast<TTiny*>(made)->Owner(), &owner);
}
}  // namespace
